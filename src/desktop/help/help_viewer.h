#pragma once

#include <QMainWindow>
#include <QUrl>

#include <string>

class QLineEdit;
class QTextBrowser;

namespace zf::ui {

// The program's own help window: one book at a time, opened at its contents
// page, with Back, Forward, Contents and a search within the page. Links to
// other pages and pictures stay inside the window; web links go to the
// desktop's browser; "project:" links open a bundled project.
class HelpViewer : public QMainWindow {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* owner = nullptr);

    // Opens a book at its contents page: the book named by a help file name
    // ("zfieldug.hlp") in a help folder. False when the book is missing.
    bool OpenBook(const std::string& helpFolder, const std::string& helpFile);
    void ShowPage(const QUrl& page);
    // Finds the text from the cursor on; false when it is not (any more) on
    // the page.
    bool Find(const QString& text, bool backward = false);

    QTextBrowser* browser() const { return browser_; }
    QUrl contents() const { return contents_; }

    std::string projectFolder;

  signals:
    // A "project:NAME" link: the bundled project's full path.
    void projectRequested(const std::string& project);

  protected:
    // Esc closes the window, as in other help windows.
    void keyPressEvent(QKeyEvent* event) override;
    // A new language: the tool bar's words and the page in that language.
    void changeEvent(QEvent* event) override;

  private:
    void FollowLink(const QUrl& link);

    QTextBrowser* browser_;
    QLineEdit* find_;
    QUrl contents_;
    std::string helpFolder_;
};

// The contents page of a book: "zfieldug.hlp" is "zfieldug/index.html".
std::string HelpContentsPage(const std::string& helpFolder, const std::string& helpFile);

// The file to show for a help page (English or translated) in `language`:
// the same page under "<helpFolder>/<language>/" when it is there, else the
// English page under helpFolder. Pages outside helpFolder stay as they are.
QString LocalisedHelpPage(const std::string& helpFolder, const QString& language,
                          const QString& page);

} // namespace zf::ui
