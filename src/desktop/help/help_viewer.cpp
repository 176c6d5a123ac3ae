#include "desktop/help/help_viewer.h"

#include "desktop/frame/translated_texts.h"
#include "i18n/language.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

namespace zf::ui {

std::string HelpContentsPage(const std::string& helpFolder, const std::string& helpFile) {
    std::string book = helpFile;
    if (const auto dot = book.rfind('.'); dot != std::string::npos)
        book.erase(dot);
    return helpFolder + book + "/index.html";
}

QString LocalisedHelpPage(const std::string& helpFolder, const QString& language,
                          const QString& page) {
    const QDir root(QString::fromStdString(helpFolder));
    QString relative = root.relativeFilePath(page);
    if (relative.startsWith("../") || QDir::isAbsolutePath(relative))
        return page;
    // A translated page stands for its English page: a language's folder is
    // named by its two- or three-letter code, the books by longer names.
    static const QRegularExpression languageFolder("^[a-z]{2,3}/");
    relative.remove(languageFolder);
    if (language != "en") {
        const QString translated = root.filePath(language + "/" + relative);
        if (QFileInfo(translated).isFile())
            return QDir::cleanPath(translated);
    }
    return QDir::cleanPath(root.filePath(relative));
}

HelpViewer::HelpViewer(QWidget* owner) : QMainWindow(owner, Qt::Window) {
    setObjectName("ZarnikfieldHelp");
    setWindowTitle(tr("Zarnikfield Help"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    browser_->setFrameShape(QFrame::NoFrame);
    setCentralWidget(browser_);

    QToolBar* bar = addToolBar(QString());
    SetTranslated(bar, "windowTitle", "zf::ui::HelpViewer", QT_TR_NOOP("Help"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto add = [bar](const QIcon& icon, const char* text) {
        QAction* a = bar->addAction(icon, QString());
        SetTranslated(a, "text", "zf::ui::HelpViewer", text);
        return a;
    };
    QAction* contents = add(style()->standardIcon(QStyle::SP_DirHomeIcon), QT_TR_NOOP("&Contents"));
    QAction* back = add(style()->standardIcon(QStyle::SP_ArrowBack), QT_TR_NOOP("&Back"));
    QAction* forward = add(style()->standardIcon(QStyle::SP_ArrowForward), QT_TR_NOOP("&Forward"));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    bar->addSeparator();
    auto* findLabel = new QLabel(bar);
    SetTranslated(findLabel, "text", "zf::ui::HelpViewer", QT_TR_NOOP(" Find in page: "));
    bar->addWidget(findLabel);
    find_ = new QLineEdit(bar);
    find_->setObjectName("find");
    find_->setClearButtonEnabled(true);
    find_->setMaximumWidth(220);
    bar->addWidget(find_);
    QAction* next = add(QIcon(), QT_TR_NOOP("&Next"));
    QAction* previous = add(QIcon(), QT_TR_NOOP("&Previous"));
    next->setShortcut(QKeySequence::FindNext);
    previous->setShortcut(QKeySequence::FindPrevious);
    auto* findKey = new QAction(this);
    findKey->setShortcut(QKeySequence::Find);
    addAction(findKey);

    connect(contents, &QAction::triggered, this, [this] { ShowPage(contents_); });
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::FollowLink);
    connect(browser_, &QTextBrowser::highlighted, this, [this](const QUrl& link) {
        statusBar()->showMessage(link.isEmpty() ? QString() : link.toDisplayString());
    });
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(tr("%1 - Zarnikfield Help").arg(browser_->documentTitle())); });
    connect(findKey, &QAction::triggered, this, [this] {
        find_->setFocus();
        find_->selectAll();
    });
    connect(find_, &QLineEdit::returnPressed, this, [this] { Find(find_->text()); });
    connect(next, &QAction::triggered, this, [this] { Find(find_->text()); });
    connect(previous, &QAction::triggered, this, [this] { Find(find_->text(), true); });
    resize(820, 640);
}

bool HelpViewer::OpenBook(const std::string& helpFolder, const std::string& helpFile) {
    const QString page = QString::fromStdString(HelpContentsPage(helpFolder, helpFile));
    if (!QFileInfo(page).isFile())
        return false;
    contents_ = QUrl::fromLocalFile(page);
    helpFolder_ = helpFolder;
    browser_->clearHistory();
    ShowPage(contents_);
    return true;
}

void HelpViewer::ShowPage(const QUrl& page) {
    if (!page.isLocalFile() || helpFolder_.empty()) {
        browser_->setSource(page);
        return;
    }
    const QString file =
        LocalisedHelpPage(helpFolder_, i18n::CurrentLanguage(), page.toLocalFile());
    QUrl shown = QUrl::fromLocalFile(file);
    shown.setFragment(page.fragment());
    browser_->setSource(shown);
}

bool HelpViewer::Find(const QString& text, bool backward) {
    if (text.isEmpty())
        return false;
    const auto flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(text, flags)) {
        statusBar()->clearMessage();
        return true;
    }
    // Once past the last match, start again from the other end of the page.
    QTextCursor restart = browser_->textCursor();
    restart.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(restart);
    const bool found = browser_->find(text, flags);
    statusBar()->showMessage(found ? QString() : tr("\"%1\" is not on this page.").arg(text));
    return found;
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QMainWindow::keyPressEvent(event);
}

void HelpViewer::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    RetranslateTexts(this);
    if (!browser_->source().isEmpty())
        ShowPage(browser_->source());
}

void HelpViewer::FollowLink(const QUrl& link) {
    if (link.scheme() == "project") {
        emit projectRequested(projectFolder + link.path().toStdString());
        return;
    }
    if (link.scheme() == "http" || link.scheme() == "https" || link.scheme() == "mailto") {
        QDesktopServices::openUrl(link);
        return;
    }
    ShowPage(browser_->source().resolved(link));
}

} // namespace zf::ui
