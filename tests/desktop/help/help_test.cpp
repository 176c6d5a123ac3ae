#include "desktop/help/about_box.h"
#include "desktop/help/activity_launcher.h"
#include "desktop/help/external_programs.h"
#include "desktop/help/help_commands.h"
#include "desktop/help/help_viewer.h"
#include "files/lesson_folder.h"
#include "program/key_entry.h"
#include "program/string_table.h"

#include "desktop_fixture.h"

#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QTextBrowser>

#include <array>
#include <filesystem>
#include <set>

namespace zf::ui {
namespace {

const QString kHelp = ZF_HELP_SOURCE;
const QString kExample = ZF_EXAMPLE_BUILT;

QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Records what would be started or opened on the desktop.
struct Recorder : ExternalPrograms {
    bool Start(const QString& program, const QStringList& arguments) override {
        started.push_back(program + " " + arguments.join(' '));
        return works;
    }
    void OpenUrl(const QUrl& url) override { opened.push_back(url); }

    QStringList started;
    QList<QUrl> opened;
    bool works = true;
};

class Help : public DesktopTest {
  protected:
    void SetUp() override {
        MakeWindow({1000, 700});
        help()->helpFolder = kHelp.toStdString();
        help()->exampleFolder = kExample.toStdString();
        help()->SetExternalPrograms(external);
        window->show();
        QApplication::setActiveWindow(window.get());
        ShowWindow();
    }
    HelpCommands* help() const { return window->help(); }

    Recorder external;
    QStringList& started = external.started;
};

TEST_F(Help, F1AndEveryHelpCommandOpenOneViewerThatFollowsLinksAndFindsText) {
    QTest::keyClick(window.get(), Qt::Key_F1);
    HelpViewer* viewer = help()->viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->browser()->toPlainText().contains("Contents"));

    const std::pair<int, const char*> books[] = {{command::ZarnikHelp, "zarnikug/index.html"},
                                                 {command::JourneysHelp, "zarnikjn/index.html"},
                                                 {command::RoutesHelp, "zarnikrt/index.html"},
                                                 {command::UserGuideHelp, "zfieldug/index.html"}};
    for (auto [command, page] : books) {
        window->Command(command);
        EXPECT_EQ(help()->viewer(), viewer);
        EXPECT_TRUE(viewer->browser()->source().path().endsWith(page)) << page;
    }
    window->Command(command::ZarnikHelp);
    QApplication::setActiveWindow(viewer);
    QTest::keyClick(viewer, Qt::Key_F1);
    EXPECT_TRUE(viewer->browser()->source().path().endsWith("zfieldug/index.html"));

    // The viewer follows links and finds text.
    window->Command(command::JourneysHelp);
    QTextBrowser* browser = viewer->browser();
    emit browser->anchorClicked(QUrl("activity1.html"));
    const QUrl first = browser->source();
    EXPECT_TRUE(first.path().endsWith("zarnikjn/activity1.html"));

    EXPECT_TRUE(viewer->Find("extension"));
    EXPECT_FALSE(browser->textCursor().selectedText().isEmpty());
    EXPECT_FALSE(viewer->Find("no such words here"));
    EXPECT_FALSE(viewer->statusBar()->currentMessage().isEmpty());
    // A later find that succeeds takes the old complaint away.
    EXPECT_TRUE(viewer->Find("extension"));
    EXPECT_TRUE(viewer->statusBar()->currentMessage().isEmpty());

    // Esc closes the window.
    viewer->show();
    QTest::keyClick(viewer, Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());

    help()->helpFolder = "/nonexistent/help/";
    window->Command(command::ZarnikHelp);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find("zarnikug.hlp"), std::string::npos);
}

TEST_F(Help, ABundledActivityOpensAsItsCopyInTheWorkFolderByEveryRoute) {
    namespace fs = std::filesystem;
    // A program folder of our own with the activities as built.
    const std::string root = temp.path().toStdString() + "/";
    const std::string example = root + "program/example/";
    fs::create_directories(root + "program");
    fs::copy(kExample.toStdString(), example, fs::copy_options::recursive);
    Project& current = doc().project;
    current.SetProgramFolder(root + "program/");
    qputenv("XDG_DOCUMENTS_DIR", QByteArray::fromStdString(root + "docs"));
    const std::string work = root + "docs/Zarnikfield Work/";
    // The activities open with an empty Go Program; any program named is the copy's.
    auto opened = [&](const char* route, const char* project) {
        EXPECT_EQ(current.folder, work) << route;
        EXPECT_TRUE(fs::exists(work + project)) << route;
        EXPECT_EQ(doc().editor->file.rfind(example, 0), std::string::npos) << route;
        EXPECT_EQ(SaveDialogFolder(current), work) << route;
        current.ResetToProgram();
    };
    // The launcher starts the program on the project: the command line.
    window->StartupLoad(example + "town.zfp");
    EXPECT_STREQ(doc().tables.names.Get(doc().state.shapeId), "zarncar.bmp");
    opened("command line", "town.zfp");
    // The book's answer lies beside the copy, for the teacher to open.
    EXPECT_TRUE(fs::exists(work + "town.gop"));
    window->OpenHandedFile(example + "town.zfp");
    opened("second start", "town.zfp");
    help()->exampleFolder = example;
    window->Command(command::RoutesHelp);
    emit help()->viewer()->browser()->anchorClicked(QUrl("project:town.zfp"));
    opened("help link", "town.zfp");
    EXPECT_TRUE(help()->viewer()->browser()->source().path().endsWith("zarnikrt/index.html"));
    EXPECT_TRUE(shown.empty()) << shown.front().text;
    EXPECT_EQ(ReadAll(QString::fromStdString(work + "town.zfp")),
              ReadAll(QString::fromStdString(example + "town.zfp")));
    qunsetenv("XDG_DOCUMENTS_DIR");
}

TEST_F(Help, OpenActivityStartsTheLauncherAndTheNextExitPromptIsPlain) {
    external.works = false;
    window->Command(command::OpenActivity);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].id, TextId::LauncherNotFound);
    EXPECT_FALSE(help()->launcherStarted());

    shown.clear();
    external.works = true;
    window->Command(command::OpenActivity);
    ASSERT_EQ(started.size(), 2);
    EXPECT_TRUE(started[1].trimmed().endsWith("/zflaunch"));
    EXPECT_TRUE(help()->launcherStarted());

    window->goContainer()->Key(key::Forward);
    window->goContainer()->Key(key::Digit0 + 2);
    EXPECT_TRUE(window->ExitChecks());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Do you want to save changes to the Go Program?");
    EXPECT_FALSE(help()->launcherStarted());
}

TEST_F(Help, TheAboutBoxNamesTheLicencesAndItsLinksOpenOnTheDesktop) {
    window->Command(command::About);
    AboutBox* about = help()->about();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    QString text;
    for (QLabel* label : about->findChildren<QLabel*>())
        text += label->text() + "\n";
    EXPECT_TRUE(text.contains(QString("Zarnikfield ") + ZF_VERSION));
    EXPECT_TRUE(text.contains("GNU Lesser General Public License"));

    const auto labels = about->findChildren<LinkLabel*>();
    ASSERT_GE(labels.size(), 2);
    LinkLabel* gpl = labels[0];
    QTest::mouseClick(gpl, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(external.opened.size(), 1);
    EXPECT_EQ(external.opened[0], QUrl("https://www.gnu.org/licenses/gpl-3.0.html"));
}

// A book's page in the chosen language where it is translated, page by
// page, and the English page where it is not, whichever page the link is on.
TEST(HelpPages, ATranslatedPageIsShownWhereThereIsOneElseTheEnglishPage) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    for (const char* page :
         {"zfieldug/index.html", "zfieldug/more.html", "de/zfieldug/index.html"}) {
        QDir(root).mkpath(QFileInfo(root + page).path());
        QFile file(root + page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // Language, page linked to, page shown.
    const std::array<const char*, 3> cases[] = {
        {"de", "zfieldug/index.html", "de/zfieldug/index.html"},
        {"de", "de/zfieldug/more.html", "zfieldug/more.html"},
        {"fr", "de/zfieldug/index.html", "zfieldug/index.html"},
        {"en", "de/zfieldug/index.html", "zfieldug/index.html"}};
    for (const auto& [language, link, page] : cases)
        EXPECT_EQ(LocalisedHelpPage(root.toStdString(), language, root + link), root + page)
            << link;
    EXPECT_EQ(LocalisedHelpPage(root.toStdString(), "de", "/elsewhere/page.html"),
              "/elsewhere/page.html");
}

TEST(Launcher, ShowsEachBundledProjectWithItsPictureAndStartsZarnikfieldOnTheChosenOne) {
    Recorder external;
    ActivityLauncher launcher(kExample.toStdString(), "/opt/zf/zarnikfield", external);
    ASSERT_GE(launcher.count(), 3);
    std::set<QString> titles;
    for (int i = 0; i < launcher.count(); ++i) {
        titles.insert(launcher.card(i)->text());
        EXPECT_FALSE(launcher.card(i)->toolTip().isEmpty()) << launcher.project(i);
    }
    EXPECT_EQ(int(titles.size()), launcher.count());

    // The picture is the working area: the town's background, not a blank.
    const QImage picture = ActivityPicture(kExample.toStdString() + "town.zfp", QSize(240, 180));
    ASSERT_FALSE(picture.isNull());
    EXPECT_LE(picture.width(), 240);
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 7)
        for (int x = 0; x < picture.width(); x += 7)
            colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 4u);

    const QStringList& calls = external.started;
    QStringList warnings;
    QObject::connect(&launcher, &ActivityLauncher::startFailed,
                     [&](const QString& text) { warnings << text; });
    launcher.show();
    external.works = false;
    launcher.Choose(1);
    EXPECT_EQ(warnings.size(), 1);
    EXPECT_TRUE(launcher.isVisible());
    external.works = true;
    QTest::mouseClick(launcher.card(1), Qt::LeftButton);
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[1], "/opt/zf/zarnikfield " + QString::fromStdString(launcher.project(1)));
    EXPECT_FALSE(launcher.isVisible());
}

} // namespace
} // namespace zf::ui
