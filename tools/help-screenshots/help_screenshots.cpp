// Draws the pictures of the help books from the program itself, so that they
// can be drawn again whenever the program's look changes.
//   help-screenshots [--lang CODE] PROGRAM_FOLDER HELP_FOLDER
// PROGRAM_FOLDER holds the built example folder; the pictures are written into
// HELP_FOLDER/zfieldug/images and HELP_FOLDER/mats, or, in a language other
// than English, into HELP_FOLDER/CODE/zfieldug/images (the mats show no
// words and are shared). The tool is built beside the programs, where the
// translations are.

#include "desktop/frame/tool_strip.h"
#include "desktop/help/activity_launcher.h"
#include "desktop/library/graphics_library.h"
#include "desktop/listing/go_container.h"
#include "desktop/listing/keypad_window.h"
#include "desktop/listing/list_view.h"
#include "desktop/listing/procedure_pane.h"
#include "desktop/shell/desktop_language.h"
#include "desktop/shell/main_window.h"
#include "desktop/shell/raz_azi.h"
#include "desktop/workarea/graphics_drawing.h"
#include "desktop/workarea/graphics_main.h"
#include "desktop/workarea/status_line.h"
#include "files/picture_library.h"
#include "files/project_folder.h"
#include "program/key_sequence.h"
#include "simulation/clock.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace {

using zf::ui::MainWindow;

QString gImages;

bool Save(const QPixmap& picture, const QString& name) {
    const QString path = gImages + name;
    if (!picture.save(path, "PNG")) {
        std::fprintf(stderr, "help-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
}

void Keys(MainWindow& window, const char* sequence) {
    std::vector<zf::KeyPress> presses;
    std::string error;
    if (!zf::ParseKeySequence(window.document().tables, sequence, presses, error))
        std::fprintf(stderr, "help-screenshots: %s\n", error.c_str());
    for (const zf::KeyPress& press : presses) {
        if (press.kind == zf::KeyPress::Kind::Key)
            window.goContainer()->Key(press.key, press.argument);
        else if (press.kind == zf::KeyPress::Kind::ConfirmedClear)
            window.goContainer()->Key(zf::key::ClearMemory);
    }
    Settle();
}

// Runs the Go Program to its end on a clock that never waits.
void RunToEnd(MainWindow& window, zf::ManualClock& clock) {
    zf::ui::GraphicsDrawing* drawing = window.drawing();
    drawing->SetClock(&clock);
    QMetaObject::invokeMethod(drawing, &zf::ui::GraphicsDrawing::Run, Qt::QueuedConnection);
    zf::RunControl& run = drawing->run();
    for (int i = 0; i < 1000000; ++i) {
        for (int hop = 0; hop < 3; ++hop)
            QApplication::sendPostedEvents();
        if (run.Idle())
            break;
        clock.now = std::max(clock.now, run.NextDue());
        run.Pump();
    }
    Settle();
}

template <typename Page>
bool ToolBarPages(zf::ui::ToolStrip* bar, const std::function<void(Page)>& show,
                  const std::vector<std::pair<Page, const char*>>& pages) {
    bool ok = true;
    for (auto [page, name] : pages) {
        show(page);
        Settle();
        int used = 0;
        for (int i = 0; i < int(bar->tools().size()); ++i)
            if (bar->tools()[std::size_t(i)].request)
                used = i + 1;
        ok = Save(bar->grab(QRect(0, 0, 4 + 35 * used, bar->height())), name) && ok;
    }
    show(Page::Main);
    return ok;
}

// A message the program shows while the pictures are taken goes to stderr.
struct Said : zf::ui::DialogStandIn {
    bool Warning(zf::TextId, const std::string& text) override {
        std::fprintf(stderr, "help-screenshots: the program said: %s\n", text.c_str());
        return true;
    }
};

} // namespace

int main(int argc, char** argv) {
    QString language = QStringLiteral("en");
    if (argc == 5 && std::strcmp(argv[1], "--lang") == 0) {
        language = QString::fromLocal8Bit(argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: help-screenshots [--lang CODE] PROGRAM_FOLDER HELP_FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The desktop's own switch, so the pictures show what a child sees.
    if (!zf::ui::UseLanguage(language)) {
        std::fprintf(stderr, "help-screenshots: no translation for '%s'\n", qPrintable(language));
        return 1;
    }
    const bool english = language == QLatin1String("en");
    const QString program = QDir(argv[1]).absolutePath() + "/";
    const QString books = QDir(argv[2]).absolutePath() + "/";
    const QString help = english ? books : books + language + "/";
    // The bundled project opens as a copy in the work folder: one of our own,
    // never the user's.
    QTemporaryDir documents;
    qputenv("XDG_DOCUMENTS_DIR", documents.path().toLocal8Bit());
    gImages = help + "zfieldug/images/";
    QDir().mkpath(gImages);

    MainWindow window("/nonexistent/zfield.ini");
    Said said;
    window.document().ui.SetStandIn(&said);
    window.document().project.SetProgramFolder(program.toStdString());
    window.resize(1100, 720);
    window.StartupLoad((program + "example/town.zfp").toStdString());
    window.show();
    Settle();
    bool ok = true;

    window.Command(zf::ui::command::DefaultLayout);
    Keys(window, "CM P 1 [ RPT 4 [ FD 1 RT 9 0 ] ]");
    Keys(window, "PEN(redwide.bmp) FD 3 LT 9 0 FD 3 RT 9 0 FD 3 LT 9 0 FD 3 P 1");
    zf::ManualClock clock;
    RunToEnd(window, clock);
    auto* main = window.razAzi()->graphicsMain();
    ok = Save(main->drawing()->grab(), "working-area.png") && ok;
    ok = Save(window.grab(), "main-window.png") && ok;
    ok = Save(window.goContainer()->keypad()->grab(), "keypad.png") && ok;
    ok = Save(window.goContainer()->goList()->grab(QRect(0, 0, 300, 230)), "golist.png") && ok;
    // The definition from its first line.
    window.procedureList()->ScrollTo(0);
    Settle();
    ok = Save(window.procedurePane()->grab(), "procedure.png") && ok;
    // The status line as it reads while the third instruction runs.
    const zf::GoInstruction* third = window.document().editor->Head(zf::GO_LIST);
    for (int i = 0; i < 3 && third && third->next; ++i)
        third = third->next;
    main->statusLine()->ShowInstruction(third);
    Settle();
    ok = Save(main->statusLine()->grab(), "status-line.png") && ok;

    window.library()->ShowCategory(zf::library::Stamps, true);
    Settle();
    ok = Save(window.library()->grab(), "library.png") && ok;

    using zf::ui::ToolPage;
    ok =
        ToolBarPages<ToolPage>(main->toolBar(), [main](ToolPage page) { main->ShowToolPage(page); },
                               {{ToolPage::Main, "toolbar-main.png"},
                                {ToolPage::Stamps, "toolbar-stamps.png"},
                                {ToolPage::Control, "toolbar-control.png"},
                                {ToolPage::Background, "toolbar-background.png"},
                                {ToolPage::Zarnik, "toolbar-zarnik.png"}}) &&
        ok;
    auto* go = window.goContainer();
    using zf::ui::GoToolPage;
    ok = ToolBarPages<GoToolPage>(go->toolBar(), [go](GoToolPage page) { go->ShowToolPage(page); },
                                  {{GoToolPage::Main, "gocontainer-toolbar.png"}}) &&
         ok;

    for (const char* mat : {"gridmat", "island", "town"}) {
        if (!english)
            break;
        QDir().mkpath(books + "mats");
        const QImage picture = zf::ui::ActivityPicture(
            (program + "example/" + mat + ".zfp").toStdString(), QSize(300, 300));
        const QString path = books + "mats/" + mat + ".png";
        ok = picture.save(path, "PNG") && ok;
        std::printf("%s\n", qPrintable(path));
    }
    return ok ? 0 : 1;
}
