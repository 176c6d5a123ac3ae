#include "desktop/help/help_viewer.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
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

HelpViewer::HelpViewer(QWidget* owner) : QMainWindow(owner, Qt::Window) {
    setObjectName("ZarnikfieldHelp");
    setWindowTitle("Zarnikfield Help");
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    browser_->setFrameShape(QFrame::NoFrame);
    setCentralWidget(browser_);

    QToolBar* bar = addToolBar("Help");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* contents = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), "&Contents");
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), "&Back");
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), "&Forward");
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    bar->addSeparator();
    bar->addWidget(new QLabel(" Find in page: ", bar));
    find_ = new QLineEdit(bar);
    find_->setObjectName("find");
    find_->setClearButtonEnabled(true);
    find_->setMaximumWidth(220);
    bar->addWidget(find_);
    QAction* next = bar->addAction("&Next");
    QAction* previous = bar->addAction("&Previous");
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
            [this] { setWindowTitle(browser_->documentTitle() + " - Zarnikfield Help"); });
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
    browser_->clearHistory();
    ShowPage(contents_);
    return true;
}

void HelpViewer::ShowPage(const QUrl& page) {
    browser_->setSource(page);
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
    statusBar()->showMessage(found ? QString() : QString("\"%1\" is not on this page.").arg(text));
    return found;
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QMainWindow::keyPressEvent(event);
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
