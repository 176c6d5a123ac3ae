#include "desktop/shell/main_window.h"

#include "desktop/shell/accessibility.h"

#include "desktop/dialogs/working_area_commands.h"
#include "desktop/frame/tone_player.h"
#include "desktop/frame/tool_strip.h"
#include "desktop/help/help_commands.h"
#include "desktop/help/tooltips.h"
#include "desktop/library/graphics_library.h"
#include "desktop/library/prog_centre_options.h"
#include "desktop/library/prog_centre_selector.h"
#include "desktop/listing/go_container.h"
#include "desktop/listing/keypad_window.h"
#include "desktop/listing/list_view.h"
#include "desktop/listing/procedure_pane.h"
#include "desktop/printing/print_commands.h"
#include "desktop/shell/handed_files.h"
#include "desktop/shell/link_progress.h"
#include "desktop/shell/projector_mode.h"
#include "desktop/shell/raz_azi.h"
#include "desktop/shell/session_end.h"
#include "desktop/workarea/graphics_drawing.h"
#include "desktop/workarea/graphics_main.h"
#include "desktop/workarea/status_line.h"
#include "files/go_program_file.h"
#include "files/project_folder.h"
#include "program/list_clicks.h"
#include "program/string_table.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>

#include <filesystem>
#include <vector>

namespace zf::ui {

MainWindow::MainWindow(const std::string& iniPath) : iniPath_(iniPath) {
    setWindowTitle("Zarnikfield");
    setObjectName("Zarnikfield");
    InstallAccessibility();
    tones_ = new TonePlayer(this);
    doc_.ui.tones = tones_;

    // RazAzi fills the client area; the Procedure window is a pane of the Go
    // Container, so that it never lies over the working area.
    auto* client = new QWidget(this);
    setCentralWidget(client);
    razAzi_ = new RazAzi(doc_, client);
    auto* fill = new QGridLayout(client);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(razAzi_, 0, 0);
    procList_ = goContainer()->procedureList();
    library_ = new GraphicsLibrary(doc_, client);
    library_->SetDrawing(drawing());

    doc_.ui.procList = procList_;
    doc_.ui.procedurePane = procedurePane();
    doc_.ui.owner = this;

    GoContainer* go = goContainer();
    // Tab runs through the panes as they lie, the working area first.
    const std::vector<QWidget*> order{drawing(),    razAzi_->graphicsMain()->toolBar(),
                                      go->goList(), procList_,
                                      go->keypad(), go->toolBar()};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    printing_ = std::make_unique<PrintCommands>(*this, doc_);
    help_ = new HelpCommands(this, doc_.ui, doc_.state, doc_.project,
                             {razAzi_->graphicsMain()->toolBar(), go->toolBar()});
    help_->tooltips()->SetKeepClear(razAzi_->graphicsMain()->statusLine());
    dialogs_ = new WorkingAreaCommands(doc_, razAzi_->graphicsMain(), go, this);
    session_ = new SessionEnd(this, *this);
    handed_ = new HandedFiles(this, transfers_);
    projector_ = new ProjectorMode(this);
    BuildMenus();
    ConnectPanes();
    ReadOptions();
    resize(1024, 700);
}

MainWindow::~MainWindow() = default;

GoContainer* MainWindow::goContainer() const {
    return razAzi_->goContainer();
}
ProcedurePane* MainWindow::procedurePane() const {
    return goContainer()->procedurePane();
}
GraphicsDrawing* MainWindow::drawing() const {
    return razAzi_->graphicsMain()->drawing();
}

void MainWindow::SetTitleFor(const std::string& path) {
    setWindowTitle(path.empty() ? QString("Zarnikfield")
                                : QString("Zarnikfield  [ %1 ]").arg(QString::fromStdString(path)));
}

void MainWindow::WorkingAreaChanged() {
    razAzi_->graphicsMain()->LayOut();
    razAzi_->graphicsMain()->update();
}

void MainWindow::ListsReplaced() {
    goContainer()->goList()->ListChanged();
    procList_->ListChanged();
    GoEditor& editor = *doc_.editor;
    doc_.ui.HideListCursor(PROC_LIST);
    doc_.ui.HideListCursor(GO_LIST);
    // An undone key can leave a definition open: its cursor shows there.
    if (const int list = editor.ListOf(editor.cursor))
        doc_.ui.ShowListCursor(list, editor.LineOf(list, editor.cursor), cursor::Editing);
    UpdateUndoActions();
}

void MainWindow::StopRunForExit() {
    GraphicsDrawing* d = drawing();
    if (d->ProgramActive()) {
        d->run().aborting = true;
        d->run().Send(RunRequest::Stop);
        d->run().Send(RunRequest::Reset);
        d->run().Send(RunRequest::EndRun);
        d->run().aborting = false;
    }
}

bool MainWindow::AskSaveQuestions() {
    if (!doc_.editor->modified && !doc_.projectChanged)
        return true;
    closing_ = true;
    StopRunForExit();
    const bool goOn = GoProgramSavePrompt(true) && ProjectSavePrompt(true);
    closing_ = false;
    return goOn;
}

bool MainWindow::ExitChecks() {
    closing_ = true;
    StopRunForExit();
    const bool forExit = !help_->TakeLauncherFlag();
    // The session's end has asked already.
    if (!session_->answered() && (!GoProgramSavePrompt(forExit) || !ProjectSavePrompt(forExit))) {
        closing_ = false;
        return false;
    }
    doc_.editor->DestroyProgramList(GO_LIST);
    doc_.editor->DestroyProgramList(PROC_LIST);
    for (const char* temp : {"zfl_gtmp.tmp", "zfl_grph.tmp"}) {
        std::error_code ignored;
        std::filesystem::remove(std::filesystem::path(doc_.project.folder) / temp, ignored);
    }
    help_->tooltips()->Stop();
    SaveLayout();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (ExitChecks())
        event->accept();
    else
        event->ignore();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const int code = KeypadWindow::KeyForKeyboard(event->key());
    if (code < 0 || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    goContainer()->keypad()->PressKey(code);
}

void MainWindow::Command(int id) {
    if (help_->Command(id) || OptionCommand(id) || FileCommand(id) || RobotCommand(id))
        return;
    switch (id) {
    case command::CopyWorkingArea:
        dialogs_->CopyWorkingArea();
        break;
    case command::Exit:
        close();
        break;
    case command::DefaultLayout:
        razAzi_->DefaultSplit();
        goContainer()->DefaultLayout();
        goContainer()->lists()->DefaultPlace();
        break;
    case command::ShowProcedure:
        procedurePane()->Restore();
        break;
    case command::Repaint:
        drawing()->Repaint();
        break;
    case command::ProjectSaved:
        doc_.projectChanged = false;
        break;
    case command::Undo:
        Undo();
        break;
    case command::Redo:
        Redo();
        break;
    case command::ClearMemoryKey:
        goContainer()->keypad()->PressKey(key::ClearMemory);
        break;
    default:
        break;
    }
}

} // namespace zf::ui
