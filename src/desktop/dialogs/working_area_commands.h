#pragma once

#include "files/paint_package.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <string>

class QImage;
class QWidget;

namespace zf::ui {

class Document;
class GoContainer;
class GraphicsMain;

// The dialogs of the working area behind their requests: the tool bar's and
// the menu's (position, direction, size, texts, background, copy, save) and
// the Go container's keyed position and heading. Each answer is one change
// of the user's.
class WorkingAreaCommands : public QObject {
    Q_OBJECT
  public:
    WorkingAreaCommands(Document& document, GraphicsMain* graphics, GoContainer* go,
                        QWidget* owner);

    // How the paint package is started from now on; tests record instead.
    void StartProgramsWith(ProgramStarter start) { startProgram_ = std::move(start); }
    // Save Working Area draws the robot into the picture: the choice in its
    // dialog, kept for the next save. A copy always shows the robot.
    bool saveWithRobot = false;

  public slots:
    void SetPosition();
    void SetDirection();
    void SetSize();
    void CreateText();
    // The text under a point of the drawing.
    void EditText(QPoint at);
    void LoadOrCreateBackground();
    void CopyWorkingArea();
    void SaveWorkingArea();
    void KeyedPosition();
    void KeyedHeading();

  public:
    // The working area as copied and saved: its picture at a size fitted
    // into four fifths of the screen, with the robot or without.
    QImage WorkingAreaPicture(bool withRobot) const;

  private:
    bool Refused() const;
    // The paint program of the options file on a picture; false when none
    // started (the user has been told).
    bool StartPaint(const std::string& path);
    QSize ScreenSize() const;
    // The save dialog's file, "" when cancelled; it sets saveWithRobot.
    std::string ChooseSaveFile();

    Document& doc_;
    QPointer<GraphicsMain> graphics_;
    QPointer<GoContainer> go_;
    QPointer<QWidget> owner_;
    // The paint programs started from here.
    StartedPrograms started_;
    ProgramStarter startProgram_ = started_.Starter();
};

// File > Open Go Program's choice: the file list of the project folder
// `folder`, refused with a message when it is gone. "" when nothing was
// chosen.
std::string ChooseGoProgramFile(QWidget* owner, class DesktopUi& ui, const std::string& folder,
                                bool browse);

} // namespace zf::ui
