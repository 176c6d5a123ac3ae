#include "desktop/frame/main_window.h"

#include "desktop/dialogs/file_dialogs.h"
#include "desktop/dialogs/working_area_commands.h"
#include "desktop/frame/app_messages.h"
#include "desktop/frame/handed_files.h"
#include "desktop/frame/link_progress.h"
#include "desktop/frame/projector_mode.h"
#include "desktop/frame/raz_azi.h"
#include "desktop/frame/session_end.h"
#include "desktop/frame/tool_strip.h"
#include "desktop/help/help_commands.h"
#include "desktop/help/tooltips.h"
#include "desktop/library/graphics_library.h"
#include "desktop/listing/go_container.h"
#include "desktop/listing/keypad_window.h"
#include "desktop/listing/list_view.h"
#include "desktop/listing/procedure_pane.h"
#include "desktop/listing/tone_player.h"
#include "desktop/printing/print_commands.h"
#include "desktop/workarea/graphics_drawing.h"
#include "desktop/workarea/graphics_main.h"
#include "desktop/workarea/status_line.h"
#include "files/go_program_file.h"
#include "files/ini_file.h"
#include "files/lesson_folder.h"
#include "files/options_file.h"
#include "files/paths.h"
#include "files/project_folder.h"
#include "link/serial_port.h"
#include "link/zarnik_link.h"
#include "program/list_clicks.h"
#include "program/string_table.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenuBar>

#include <filesystem>

namespace zf::ui {

MainWindow::MainWindow(const std::string& iniPath) : iniPath_(iniPath) {
    setWindowTitle("Zarnikfield");
    setObjectName("Zarnikfield");
    tones_ = new TonePlayer(this);
    doc_.ui.tones = tones_;
    doc_.setTitle = [this](const std::string& path) { SetTitleFor(path); };
    doc_.workingAreaChanged = [this] { WorkingAreaChanged(); };
    doc_.applyOptions = [this](const ProjectOptions& o) {
        if (o.listingSize >= 1 && o.listingSize <= 10)
            SetListingSize(o.listingSize - 1);
        SetTooltips(o.tooltips != 0);
        SetSound(o.sound != 0);
        if (o.speed >= 1 && o.speed <= 3)
            SetSpeed(o.speed - 1);
    };

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
    library_->SetMainWindow(this);
    library_->SetDrawing(drawing());
    library_->runActive = [this] { return drawing()->ProgramActive(); };
    doc_.resetLibrary = [this] { SendAppMessage(library_, msg::LibraryReset); };
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive) {
            SendAppMessage(library_, msg::LibraryActivated);
            drawing()->update();
        }
    });

    doc_.ui.procList = procList_;
    doc_.ui.procedurePane = procedurePane();
    doc_.ui.owner = this;
    doc_.ui.drawing = drawing();

    GoContainer* go = goContainer();
    go->mainWindow = this;
    go->drawing = drawing();
    go->runActive = [this] { return drawing()->ProgramActive(); };
    razAzi_->graphicsMain()->mainWindow = this;
    auto folder = [] { return GetProjectFolder(); };
    auto robot = [this]() -> const ZarnikState* { return &doc_.state; };
    go->goList()->folder = folder;
    go->goList()->robot = robot;
    procList_->folder = folder;
    procList_->robot = robot;
    procList_->clicked = [this](int line) {
        if (!drawing()->ProgramActive())
            ClickProcedureLine(*doc_.editor, line);
    };

    printing_ = std::make_unique<PrintCommands>(*this, doc_);
    help_ = new HelpCommands(this, doc_.ui, {razAzi_->graphicsMain()->toolBar(), go->toolBar()});
    help_->runActive = [this] { return drawing()->ProgramActive(); };
    help_->openProject = [this](const std::string& project) { OpenProjectCommand(project); };
    help_->tooltips()->desktop.keepClear = [this] {
        const QWidget* status = razAzi_->graphicsMain()->statusLine();
        return QRect(status->mapToGlobal(QPoint(0, 0)), status->size());
    };
    dialogs_ = new WorkingAreaCommands(doc_, razAzi_->graphicsMain(), go, this);
    session_ = new SessionEnd(this, [this] { return SessionSaveChecks(); });
    handed_ = new HandedFiles([this](const std::string& path) { OpenHandedFileNow(path); }, this);
    projector_ = new ProjectorMode(this);
    projector_->zoomChanged = [this](int percent) {
        razAzi_->graphicsMain()->SetZoomPercent(percent);
        goContainer()->goList()->SetZoomPercent(percent);
        procList_->SetZoomPercent(percent);
    };
    for (QAction* zoom :
         {projector_->zoomInAction(), projector_->zoomOutAction(), projector_->zoomResetAction()})
        connect(zoom, &QAction::triggered, this,
                [this] { RememberOption("view", "zoom", projector_->zoomPercent()); });
    BuildMenus();
    doc_.history.changed = [this] { UpdateUndoActions(); };
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

QAction* MainWindow::Action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QAction* MainWindow::Add(QMenu* menu, const char* text, int id) {
    QAction* a = menu->addAction(QString::fromUtf8(text));
    connect(a, &QAction::triggered, this, [this, id] { Command(id); });
    actions_[id] = a;
    return a;
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    Add(file, "N&ew Go Program", command::NewGoProgram);
    Add(file, "Open &Activity...", command::OpenActivity);
    Add(file, "Open &Project...", command::OpenProject);
    Add(file, "Open &Go Program...", command::OpenGoProgram);
    recentMenu_ = file->addMenu("Recent &Files");
    recentMenu_->setToolTipsVisible(true);
    // Filled as the File menu opens: an empty list leaves the item disabled.
    connect(file, &QMenu::aboutToShow, this, &MainWindow::FillRecentMenu);
    file->addSeparator();
    Add(file, "Save P&roject...", command::SaveProject);
    Add(file, "&Save Go Program", command::SaveGoProgramToItsName);
    Add(file, "Save G&o Program...", command::SaveGoProgram);
    Add(file, "Save &Working Area...", command::SaveWorkingArea);
    file->addSeparator();
    Add(file, "Pri&nt Go Program...", command::PrintGoProgram);
    Add(file, "Prin&t Working Area...", command::PrintWorkingArea);
    file->addSeparator();
    Add(file, "E&xit", command::Exit);

    QMenu* edit = menuBar()->addMenu("&Edit");
    Add(edit, "&Undo", command::Undo);
    Add(edit, "&Redo", command::Redo);
    edit->addSeparator();
    Add(edit, "&Copy Working Area", command::CopyWorkingArea);
    edit->addSeparator();
    Add(edit, "Clear &Memory (CM)", command::ClearMemoryKey);

    QMenu* robot = menuBar()->addMenu("Floor &Zarnik");
    Add(robot, "(You will need a Zarnik Interface Lead for this)", command::InterfaceLeadNote);
    robot->addSeparator();
    Add(robot, "&Send GO Program", command::SendGoProgram);
    Add(robot, "&Get GO Program", command::GetGoProgram);

    QMenu* options = menuBar()->addMenu("&Options");
    // The groups show one choice each, as radio marks.
    auto choice = [this](QMenu* menu, QActionGroup* group, const char* text, int id) {
        QAction* a = Add(menu, text, id);
        a->setCheckable(true);
        group->addAction(a);
    };
    QMenu* listing = options->addMenu("&Listing Size");
    auto* sizes = new QActionGroup(listing);
    for (int i = 0; i < 10; ++i) {
        static const char* texts[] = {"5", "10", "15", "20", "25", "30", "35", "40", "45", "50"};
        choice(listing, sizes, texts[i], command::ListingSizeFirst + i);
    }
    QMenu* speed = options->addMenu("&Zarnik Speed");
    auto* speeds = new QActionGroup(speed);
    choice(speed, speeds, "&Slow", command::SpeedSlow);
    choice(speed, speeds, "&Medium", command::SpeedMedium);
    choice(speed, speeds, "&Fast", command::SpeedFast);
    choice(speed, speeds, "&Instant", command::SpeedInstant);
    Add(options, "&Sound", command::Sound)->setCheckable(true);
    Add(options, "&Tooltips", command::Tooltips)->setCheckable(true);
    QMenu* com = options->addMenu("&Com Port");
    auto* ports = new QActionGroup(com);
    choice(com, ports, "COM &1", command::ComPort1);
    choice(com, ports, "COM &2", command::ComPort2);
    choice(com, ports, "COM &3", command::ComPort3);
    choice(com, ports, "COM &4", command::ComPort4);

    QMenu* activity = menuBar()->addMenu("&Activity");
    Add(activity, "&Journeys", command::JourneysHelp);
    Add(activity, "&Routes", command::RoutesHelp);

    QMenu* window = menuBar()->addMenu("&Window");
    Add(window, "&Default Layout", command::DefaultLayout);
    window->addSeparator();
    Add(window, "&Procedure", command::ShowProcedure);
    window->addSeparator();
    window->addActions({projector_->fullScreenAction(), projector_->zoomInAction(),
                        projector_->zoomOutAction(), projector_->zoomResetAction()});

    QMenu* help = menuBar()->addMenu("&Help");
    QAction* userGuide = Add(help, "Zarnik&field", command::UserGuideHelp);
    userGuide->setShortcut(Qt::Key_F1);
    Add(help, "&Zarnik", command::ZarnikHelp);
    help->addSeparator();
    Add(help, "&About...", command::About);

    // F5 repaints the working area; it has no menu item.
    auto* repaint = new QAction(this);
    repaint->setShortcut(Qt::Key_F5);
    connect(repaint, &QAction::triggered, this, [this] { Command(command::Repaint); });
    addAction(repaint);
    AddShortcuts();
}

void MainWindow::ReadOptions() {
    const std::string path = iniPath_.empty() ? OptionsFilePath() : iniPath_;
    IniFile ini = IniFile::Load(path);
    bool repaired = false;
    auto value = [&](const char* section, const char* key, long fallback, long low, long high,
                     long badValue, const char* writeBack) {
        long v = ini.GetInt(section, key, fallback);
        if (v < low || v > high) {
            if (writeBack) {
                ini.SetString(section, key, writeBack);
                repaired = true;
            }
            v = badValue;
        }
        return v;
    };
    // Browse is offered unless the file turns it off: Save Go Program saves
    // anywhere, so Open must reach anywhere too.
    doc_.options.goBrowse = ini.GetInt("options", "gobrowse", 1) != 0;
    SetListingSize(static_cast<int>(value("listing", "size", 6, 1, 10, 6, nullptr)) - 1);
    const TooltipOptions tips = ReadTooltipOptions(ini, repaired);
    help_->tooltips()->SetDelay(tips.delay);
    SetTooltips(tips.show);
    SetSound(value("sound", "keypad", 0, 0, 1, 0, "0") != 0);
    SetComPort(static_cast<int>(value("com port", "com", 1, 1, 2, 1, "1")) - 1);
    SetSpeed(static_cast<int>(value("zarnik", "speed", 2, 1, 4, 2, "2")) - 1);
    const int x = static_cast<int>(value("floor size", "x", 10, 1, 99, 10, "10"));
    const int y = static_cast<int>(value("floor size", "y", 10, 1, 99, 10, "10"));
    doc_.state.floorWidth = x * kStepMm;
    doc_.state.floorHeight = y * kStepMm;
    goContainer()->lists()->SetPlace(ReadListsPlace(ini));
    if (ini.GetInt("rulers", "show", 0) != 0)
        razAzi_->graphicsMain()->ToggleRulers();
    projector_->SetZoomPercent(static_cast<int>(ini.GetInt("view", "zoom", 100)));
    ReadCommDevices(ini);
    if (repaired) {
        if (iniPath_.empty())
            SaveOptionsFile(ini);
        else
            ini.Save(path);
    }
}

void MainWindow::SetListingSize(int index) {
    doc_.options.listingSize = index + 1;
    for (int i = 0; i < 10; ++i)
        if (QAction* a = Action(command::ListingSizeFirst + i))
            a->setChecked(i == index);
    const int size = doc_.options.IconSize();
    goContainer()->goList()->SetIconSize(size);
    procList_->SetIconSize(size);
}

void MainWindow::SetSpeed(int index) {
    doc_.options.speed = index + 1;
    const int ids[] = {command::SpeedSlow, command::SpeedMedium, command::SpeedFast,
                       command::SpeedInstant};
    for (int i = 0; i < 4; ++i)
        if (QAction* a = Action(ids[i]))
            a->setChecked(i == index);
    doc_.state.moveDelay = MoveDelayForSpeed(index);
    drawing()->SetInstant(index == 3);
}

void MainWindow::SetSound(bool on) {
    doc_.options.sound = on;
    doc_.ui.sound = on;
    drawing()->SetSound(on);
    if (QAction* a = Action(command::Sound))
        a->setChecked(on);
}

void MainWindow::SetTooltips(bool on) {
    doc_.options.tooltips = on;
    if (QAction* a = Action(command::Tooltips))
        a->setChecked(on);
    help_->tooltips()->SetOption(on);
}

void MainWindow::SetComPort(int index) {
    const int ids[] = {command::ComPort1, command::ComPort2, command::ComPort3, command::ComPort4};
    for (int i = 0; i < 4; ++i)
        if (QAction* a = Action(ids[i]))
            a->setChecked(i == index);
    doc_.options.comPort = index >= 1 && index <= 3 ? index + 1 : 1;
    SetCommPortNumber(doc_.options.comPort);
}

void MainWindow::SetTitleFor(const std::string& path) {
    setWindowTitle(path.empty() ? QString("Zarnikfield")
                                : QString("Zarnikfield  [ %1 ]").arg(QString::fromStdString(path)));
}

void MainWindow::WorkingAreaChanged() {
    razAzi_->graphicsMain()->LayOut();
    razAzi_->graphicsMain()->update();
}

void MainWindow::SaveLayout() {
    const std::string path = iniPath_.empty() ? OptionsFilePath() : iniPath_;
    IniFile ini = IniFile::Load(path);
    const ListsPane::Place place = goContainer()->lists()->place();
    if (ReadListsPlace(ini) == place)
        return;
    WriteListsPlace(ini, place);
    if (iniPath_.empty())
        SaveOptionsFile(ini);
    else
        ini.Save(path);
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

void MainWindow::StartupLoad(const std::string& argument) {
    ProjectScene scene = doc_.Scene();
    const StartupOpened opened = zf::StartupLoad(scene, argument);
    if (opened != StartupOpened::Project)
        SendAppMessage(drawing(), msg::DefaultRobot);
    if (opened != StartupOpened::Nothing)
        RememberFile(argument);
    if (opened == StartupOpened::GoProgram)
        doc_.programPath = argument;
    doc_.projectChanged = false;
    doc_.history.Clear();
    WorkingAreaChanged();
    ListsReplaced();
}

void MainWindow::OpenHandedFile(const std::string& path) {
    handed_->Hand(path);
}

void MainWindow::OpenHandedFileNow(const std::string& path) {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
    const QString file = QString::fromStdString(path);
    if (file.endsWith(".zfp", Qt::CaseInsensitive))
        OpenProjectCommand(path);
    else if (file.endsWith(".gop", Qt::CaseInsensitive))
        OpenGoProgramCommand(path);
}

bool MainWindow::SaveGoProgram() {
    std::string suggested = TextOf(TextId::DefaultGoProgramName).data();
    const GoInstruction* head = doc_.editor->Head(GO_LIST);
    if (head && head->opcode == op::GoProgramHeader)
        suggested = NameTable().Get(head->nameId);
    const std::string path =
        AskSavePath(this, doc_.ui, kGoProgramFiles,
                    SaveDialogFolder(FolderPart(suggested)) + FileNamePart(suggested));
    if (path.empty())
        return false;
    return SaveGoProgramTo(path);
}

bool MainWindow::SaveProject() {
    const std::string path =
        AskSavePath(this, doc_.ui, kProjectFiles, SaveDialogFolder() + ProjectFileName());
    if (path.empty())
        return false;
    ProjectScene scene = doc_.Scene();
    if (!SaveProjectAs(scene, path))
        return false;
    doc_.projectChanged = false;
    RememberFile(path);
    return true;
}

bool MainWindow::GoProgramSavePrompt(bool forExit) {
    if (!doc_.editor->modified)
        return true;
    std::string text = TextOf(TextId::SaveGoProgramChanges).data();
    if (forExit)
        text = std::string(TextOf(TextId::ExitZarnikfield)) + "\n" + text;
    switch (doc_.ui.Ask(TextId::SaveGoProgramChanges, text, Buttons::YesNoCancel)) {
    case Answer::Yes:
        return SaveGoProgramToItsName();
    case Answer::No:
        doc_.editor->modified = 0;
        return true;
    default:
        return false;
    }
}

bool MainWindow::ProjectSavePrompt(bool forExit) {
    if (!doc_.projectChanged)
        return true;
    std::string text = TextOf(TextId::SaveProjectChanges).data();
    if (forExit)
        text = std::string(TextOf(TextId::ExitZarnikfield)) + "\n" + text;
    switch (doc_.ui.Ask(TextId::SaveProjectChanges, text, Buttons::YesNoCancel)) {
    case Answer::Yes:
        return SaveProject();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void MainWindow::StopRunForExit() {
    GraphicsDrawing* d = drawing();
    if (d->ProgramActive()) {
        d->run().aborting = true;
        d->run().Send(request::Stop);
        d->run().Send(request::Reset);
        d->run().Send(request::EndRun);
        d->run().aborting = false;
    }
}

bool MainWindow::SessionSaveChecks() {
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
        std::filesystem::remove(std::filesystem::path(GetProjectFolder()) / temp, ignored);
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

void MainWindow::OpenGoProgramCommand(const std::string& given) {
    if (drawing()->ProgramActive()) {
        Warn(doc_.ui, TextId::NoGoProgramWhileRunning);
        return;
    }
    if (!GoProgramSavePrompt(false))
        return;
    const std::string path =
        !given.empty() ? given : ChooseGoProgramFile(this, doc_.ui, doc_.options.goBrowse);
    if (path.empty())
        return;
    {
        EditHistory::Change change(doc_.history);
        if (OpenGoProgram(*doc_.editor, path, true)) {
            doc_.projectChanged = true;
            doc_.programPath = path;
            RememberFile(path);
        }
    }
    ListsReplaced();
}

void MainWindow::OpenProjectCommand(const std::string& given) {
    if (drawing()->ProgramActive()) {
        Warn(doc_.ui, TextId::NoProjectWhileRunning);
        return;
    }
    if (!GoProgramSavePrompt(false) || !ProjectSavePrompt(false))
        return;
    const std::string path = !given.empty() ? given : ChooseProjectFile(this, GetProjectFolder());
    if (path.empty())
        return;
    ProjectScene scene = doc_.Scene();
    if (OpenProject(scene, path, true)) {
        doc_.programPath.clear();
        RememberFile(path);
    }
    // A project is a new lesson: nothing before it is undone into it.
    doc_.history.Clear();
    WorkingAreaChanged();
    ListsReplaced();
}

void MainWindow::Command(int id) {
    if (help_->Command(id))
        return;
    if (id >= command::ListingSizeFirst && id <= command::ListingSizeLast) {
        SetListingSize(id - command::ListingSizeFirst);
        RememberOption("listing", "size", doc_.options.listingSize);
        return;
    }
    if (id >= command::RecentFirst && id < command::RecentFirst + kRecentFiles) {
        OpenRecentFile(id - command::RecentFirst);
        return;
    }
    switch (id) {
    case command::OpenProject:
        OpenProjectCommand();
        break;
    case command::OpenGoProgram:
        OpenGoProgramCommand();
        break;
    case command::SaveProject:
        SaveProject();
        break;
    case command::SaveGoProgram:
        SaveGoProgram();
        break;
    case command::PrintGoProgram:
        printing_->PrintGoProgram();
        break;
    case command::PrintWorkingArea:
        printing_->PrintWorkingArea();
        break;
    case command::SaveWorkingArea:
        SendAppMessage(drawing(), msg::SaveWorkingArea);
        break;
    case command::CopyWorkingArea:
        SendAppMessage(drawing(), msg::CopyWorkingArea);
        break;
    case command::Exit:
        close();
        break;
    case command::SendGoProgram:
        QApplication::setOverrideCursor(Qt::WaitCursor);
        SendGoProgram(
            *doc_.editor,
            LinkProgress(this, doc_.ui, tr("Sending the Go Program to the Floor Zarnik...")));
        QApplication::restoreOverrideCursor();
        break;
    case command::GetGoProgram:
        if (GoProgramSavePrompt(false)) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            {
                EditHistory::Change change(doc_.history);
                if (ReadZarnikProgramToZarnikMemBuffer(
                        *doc_.editor, LinkProgress(this, doc_.ui,
                                                   tr("Getting the Go Program from the Floor "
                                                      "Zarnik..."))))
                    doc_.programPath.clear();
            }
            QApplication::restoreOverrideCursor();
            ListsReplaced();
        }
        break;
    case command::SpeedSlow:
    case command::SpeedMedium:
    case command::SpeedFast:
    case command::SpeedInstant:
        SetSpeed(id == command::SpeedSlow     ? 0
                 : id == command::SpeedMedium ? 1
                 : id == command::SpeedFast   ? 2
                                              : 3);
        RememberOption("zarnik", "speed", doc_.options.speed);
        break;
    case command::Sound:
        SetSound(!doc_.options.sound);
        RememberOption("sound", "keypad", doc_.options.sound ? 1 : 0);
        break;
    case command::Tooltips:
        SetTooltips(!doc_.options.tooltips);
        RememberOption("tooltips", "show", doc_.options.tooltips ? 1 : 0);
        break;
    case command::ComPort1:
    case command::ComPort2:
    case command::ComPort3:
    case command::ComPort4:
        SetComPort(id == command::ComPort1   ? 0
                   : id == command::ComPort2 ? 1
                   : id == command::ComPort3 ? 2
                                             : 3);
        break;
    case command::DefaultLayout:
        SendAppMessage(razAzi_, msg::DefaultSplit);
        SendAppMessage(goContainer(), msg::DefaultGoLayout);
        goContainer()->lists()->DefaultPlace();
        break;
    case command::ShowProcedure:
        procedurePane()->Restore();
        break;
    case command::Repaint:
        SendAppMessage(drawing(), msg::Repaint);
        break;
    case command::ProjectSaved:
        doc_.projectChanged = false;
        break;
    case command::NewGoProgram:
        NewGoProgram();
        break;
    case command::SaveGoProgramToItsName:
        SaveGoProgramToItsName();
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

bool MainWindow::event(QEvent* event) {
    if (!IsAppMessage(event))
        return QMainWindow::event(event);
    auto* m = static_cast<AppMessage*>(event);
    const int n = m->number();
    switch (n) {
    case msg::Run:
    case msg::Continue:
    case msg::Stop:
    case msg::Step:
    case msg::Reset:
        PostAppMessage(drawing(), n, m->first, m->second);
        return true;
    case msg::ClearWorkingArea:
        if (doc_.ui.Ask(TextId::ClearAllGraphicsQuestion,
                        TextOf(TextId::ClearAllGraphicsQuestion).data(),
                        Buttons::YesNo) == Answer::Yes)
            SendAppMessage(drawing(), n);
        return true;
    case msg::ClearAllObjects:
        if (doc_.ui.Ask(TextId::ClearAllObjectsQuestion,
                        TextOf(TextId::ClearAllObjectsQuestion).data(),
                        Buttons::YesNo) == Answer::Yes)
            SendAppMessage(drawing(), n);
        return true;
    case msg::Key:
    case msg::PlaceTextKey:
    case msg::EditTextKey:
    case msg::HeadingKey:
    case msg::PositionKey:
    case msg::PenUpKey:
    case msg::FlipZarnikKey:
    case msg::FlipStampKey:
        SendAppMessage(goContainer(), n, m->first, m->second, m->name);
        return true;
    case msg::LibraryShapes:
    case msg::LibraryPens:
    case msg::LibraryStamps:
    case msg::LibraryShapesClick:
    case msg::LibraryPensClick:
    case msg::LibraryStampsClick:
    case msg::LibraryReset:
    case msg::LibraryActivated:
        SendAppMessage(library_, n, m->first, m->second);
        return true;
    case msg::PenDropped:
        SendAppMessage(drawing(), n, m->first, m->second, m->name);
        return true;
    case msg::OpenGoProgramByName:
        OpenGoProgram(*doc_.editor, m->name.toStdString(), false);
        return true;
    default:
        if (n >= 1280 && n <= 1313)
            SendAppMessage(drawing(), n, m->first, m->second, m->name);
        return true;
    }
}

} // namespace zf::ui
