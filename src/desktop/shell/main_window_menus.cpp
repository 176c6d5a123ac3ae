// The main window's menu bar: every item, its command id and its radio
// group; the shortcuts are added once the items exist.

#include "desktop/shell/main_window.h"

#include "desktop/shell/projector_mode.h"

#include <QActionGroup>
#include <QMenuBar>

namespace zf::ui {

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
    BuildFileMenu();

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

    BuildOptionsMenu();

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

void MainWindow::BuildFileMenu() {
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
}

void MainWindow::BuildOptionsMenu() {
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
}

} // namespace zf::ui
