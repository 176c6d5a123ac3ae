#pragma once

#include "files/paint_package.h"

#include <QFrame>
#include <QPointer>

class QLabel;
class QToolButton;

namespace zf::ui {

class Document;
class ProgCentreOptions;
class ProgCentreSelector;

// The Graphics Library: a small captioned window floating in the main
// window over the pictures of one project folder (robot shapes, stamps or
// pens). Drag mode sits at the right edge, click mode at the left; Create
// and Edit hand a picture to the paint program.
class GraphicsLibrary : public QFrame {
    Q_OBJECT
  public:
    GraphicsLibrary(Document& document, QWidget* parent);

    ProgCentreSelector* selector() const { return selector_; }
    ProgCentreOptions* options() const { return options_; }
    // The category shown (0: none yet).
    int category() const;

    // The window pictures are dropped on.
    void SetDrawing(QWidget* drawing);
    // How the paint program is started from now on; tests record instead.
    void StartProgramsWith(ProgramStarter start) { startProgram_ = std::move(start); }

  public slots:
    // Shows a category's pictures, dragged to the working area in drag mode
    // or keyed with a click.
    void ShowCategory(int category, bool dragMode);
    // A new project: every category starts from its top again.
    void ResetCategories();
    // The program came to the front: a folder may have changed meanwhile.
    void Activated();

  protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Place(bool dragMode, bool createEnabled);
    void PlaceCaption();
    // Sizes the library to its buttons' words.
    void FitWords();
    void OptionPressed(int id);
    // False when no paint program started (the user has been told).
    bool Paint(const std::string& path);

    Document& doc_;
    QLabel* caption_;
    QToolButton* close_;
    ProgCentreSelector* selector_;
    ProgCentreOptions* options_;
    // The tool bar a keyboard user opened the library from, given the focus
    // back when it closes.
    QPointer<QWidget> opener_;
    bool moving_ = false;
    QPoint grab_;
    // The paint programs started from here.
    StartedPrograms started_;
    ProgramStarter startProgram_ = started_.Starter();
};

} // namespace zf::ui
