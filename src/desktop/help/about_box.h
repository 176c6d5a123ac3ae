#pragma once

#include <QDialog>
#include <QLabel>
#include <QUrl>

namespace zf::ui {

// A link label: blue text on the dialog's face in its font at normal
// weight, underlined while the pointer is over it; a click opens the link
// with the desktop's default handler.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    LinkLabel(const QString& text, const QUrl& target, QWidget* parent = nullptr);

    const QUrl& target() const { return target_; }
    bool underlined() const { return font().underline(); }

  signals:
    void linkClicked(const QUrl& target);

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void SetUnderline(bool on);
    QUrl target_;
};

// The About box (dialog 170): name, version, what the program is, and the
// licences of the program and of the Qt libraries it runs on.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    // `pictureFolder`: where the default robot shape is found, if anywhere.
    AboutBox(const QString& pictureFolder, QWidget* owner = nullptr);

  signals:
    // One of its links was clicked: it is to be opened on the desktop.
    void linkClicked(const QUrl& target);
};

} // namespace zf::ui
