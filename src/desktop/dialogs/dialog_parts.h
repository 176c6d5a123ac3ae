#pragma once

#include "program/texts.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

class QPushButton;
class QVBoxLayout;

namespace zf::ui {

// A string of the table as Qt text.
QString TextQ(TextId id);

// The numeric keystroke filter on an edit box: keys and characters the rule
// does not list are swallowed, and so are the other ways text could get in
// (input methods, the middle-button paste, drops, the context menu).
class NumericBoxFilter : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A numeric edit box of at most `maxChars` characters, filtered.
QLineEdit* NumericBox(int maxChars, const char* name, QWidget* parent);

// The tool bar picture of the button that opened a dialog, in a 2-pixel
// etched frame.
class ToolPicture : public QLabel {
    Q_OBJECT
  public:
    ToolPicture(const QImage& picture, QWidget* parent = nullptr);
};
// Cell n of the graphics tool bar strip.
QImage GraphicsToolPicture(int cell);

// A dialog of the working area: its own content on the left, OK and Cancel
// in a column on the right with the opener's picture at the bottom. Opened
// from a tool bar it sits with its bottom-left corner on the tool bar's
// top-left corner; otherwise it is centred on its owner.
class ToolDialog : public QDialog {
    Q_OBJECT
  public:
    ToolDialog(QWidget* owner, const QString& title, const QImage& picture);

    void PlaceOverToolBar(QWidget* toolBar) { toolBar_ = toolBar; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    // Where the dialog puts its own controls.
    QWidget* content() const { return content_; }
    QVBoxLayout* buttonColumn() const { return buttons_; }
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* content_;
    QVBoxLayout* buttons_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPointer<QWidget> toolBar_;
};

} // namespace zf::ui
