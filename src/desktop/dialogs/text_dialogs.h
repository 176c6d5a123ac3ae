#pragma once

#include "program/text_object.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace zf::ui {

// The preview of a text: its lines in its font and colour at the size they
// will have next to a 40-pixel robot, on light grey (black when the text
// itself is that grey).
class TextPreview : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    void Show(const QString& text, const TextObjectRecord& record);
    // The block the lines take, in preview pixels.
    QSize block() const { return block_; }
    QSize sizeHint() const override { return {320, 110}; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QString text_;
    TextObjectRecord record_;
    QSize block_;
};

// Enter Text / Edit Text: the text (300 characters at most), its font and
// colour, and how big it will be next to the robot.
class EnterTextDialog : public QDialog {
    Q_OBJECT
  public:
    EnterTextDialog(QWidget* owner, NameTables& tables, const TextObjectRecord& record,
                    bool editing);

    // The chosen text, entered in the text table, with font and colour.
    TextObjectRecord record() const;
    // The text's first size on the floor, in mm, from the preview.
    QSize firstSizeMm() const;
    // What the font chooser and the colour chooser give.
    void SetFont(const QFont& font);
    void SetColour(const QColor& colour);

    QPlainTextEdit* textBox() const { return text_; }
    TextPreview* preview() const { return preview_; }

  private:
    void TextChanged();
    void ChooseFont();
    void ChooseColour();

    NameTables& tables_;
    TextObjectRecord record_;
    QPlainTextEdit* text_;
    TextPreview* preview_;
};

// Position Text: the symbol is dragged, with its own cursor, to where the
// text goes. A drop on the drawing window ends the dialog with that point;
// a drop elsewhere beeps and brings the dialog back. Without a mouse the
// arrows move a mark over the drawing window and Return places the text there.
class PositionTextDialog : public QDialog {
    Q_OBJECT
  public:
    PositionTextDialog(QWidget* owner, QWidget* target);

    // The drop point in the target's coordinates.
    QPoint point() const { return point_; }
    QWidget* symbol() const { return symbol_; }
    bool dragging() const { return dragging_; }
    // The mark the arrows move, in the target's coordinates; null before the
    // first arrow.
    QWidget* mark() const { return mark_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Press(QPoint global);
    void Move(QPoint global);
    void Release(QPoint global);
    void EndDrag();
    // An arrow or Return for the mark; false for any other key.
    bool KeyForMark(const QKeyEvent& key);

    QPointer<QWidget> target_;
    QPointer<QWidget> mark_;
    QLabel* symbol_;
    QPoint pressedAt_;
    QPoint home_;
    QPoint point_;
    bool dragging_ = false;
    bool away_ = false;
};

// Text Position: at the robot's position, or near it on one of eight sides.
class TextPositionDialog : public QDialog {
    Q_OBJECT
  public:
    TextPositionDialog(QWidget* owner, int placement);
    int placement() const;
    // The button of a placement 3..10, or null.
    QToolButton* sideButton(int placement) const;
    QRadioButton* atRobotButton() const { return atRobot_; }
    QLabel* choiceLabel() const { return choice_; }

  private:
    void Choose(int placement);

    QRadioButton* atRobot_;
    QRadioButton* near_;
    QToolButton* sides_[11] = {};
    QLabel* choice_;
    int side_ = 4;
};

// The text dialogs of a keyed PlaceText or Edit Text: the text, then where
// it goes near the robot. False when either was cancelled.
bool KeyedTextDialogs(QWidget* owner, NameTables& tables, TextObjectRecord& record, bool editing);

} // namespace zf::ui
