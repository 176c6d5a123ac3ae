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
    Add(edit, "&Copy Working Area", 40009);
    edit->addSeparator();
    Add(edit, "Clear &Memory (CM)", command::ClearMemoryKey);

    QMenu* robot = menuBar()->addMenu("Floor &Zarnik");
    Add(robot, "(You will need a Zarnik Interface Lead for this)", 40302);
    robot->addSeparator();
    Add(robot, "&Send GO Program", 40018);
    Add(robot, "&Get GO Program", 40191);

    BuildOptionsMenu();

    QMenu* activity = menuBar()->addMenu("&Activity");
    Add(activity, "&Journeys", 40231);
    Add(activity, "&Routes", 40230);

    QMenu* window = menuBar()->addMenu("&Window");
    Add(window, "&Default Layout", 40214);
    window->addSeparator();
    Add(window, "&Procedure", 40215);
    window->addSeparator();
    window->addActions({projector_->fullScreenAction(), projector_->zoomInAction(),
                        projector_->zoomOutAction(), projector_->zoomResetAction()});

    QMenu* help = menuBar()->addMenu("&Help");
    QAction* userGuide = Add(help, "Zarnik&field", 40025);
    userGuide->setShortcut(Qt::Key_F1);
    Add(help, "&Zarnik", 40024);
    help->addSeparator();
    Add(help, "&About...", 40232);

    // F5 repaints the working area; it has no menu item.
    auto* repaint = new QAction(this);
    repaint->setShortcut(Qt::Key_F5);
    connect(repaint, &QAction::triggered, this, [this] { Command(40244); });
    addAction(repaint);
    AddShortcuts();
}

void MainWindow::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    Add(file, "N&ew Go Program", command::NewGoProgram);
    Add(file, "Open &Activity...", 40247);
    Add(file, "Open &Project...", 40185);
    Add(file, "Open &Go Program...", 40192);
    recentMenu_ = file->addMenu("Recent &Files");
    recentMenu_->setToolTipsVisible(true);
    // Filled as the File menu opens: an empty list leaves the item disabled.
    connect(file, &QMenu::aboutToShow, this, &MainWindow::FillRecentMenu);
    file->addSeparator();
    Add(file, "Save P&roject...", 40238);
    Add(file, "&Save Go Program", command::SaveGoProgramToItsName);
    Add(file, "Save G&o Program...", 40239);
    Add(file, "Save &Working Area...", 40243);
    file->addSeparator();
    Add(file, "Pri&nt Go Program...", 40211);
    Add(file, "Prin&t Working Area...", 40210);
    file->addSeparator();
    Add(file, "E&xit", 40006);
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
        choice(listing, sizes, texts[i], 40194 + i);
    }
    QMenu* speed = options->addMenu("&Zarnik Speed");
    auto* speeds = new QActionGroup(speed);
    choice(speed, speeds, "&Slow", 40186);
    choice(speed, speeds, "&Medium", 40233);
    choice(speed, speeds, "&Fast", 40234);
    choice(speed, speeds, "&Instant", command::SpeedInstant);
    Add(options, "&Sound", 40187)->setCheckable(true);
    Add(options, "&Tooltips", 40188)->setCheckable(true);
    QMenu* com = options->addMenu("&Com Port");
    auto* ports = new QActionGroup(com);
    choice(com, ports, "COM &1", 40228);
    choice(com, ports, "COM &2", 40229);
    choice(com, ports, "COM &3", 40300);
    choice(com, ports, "COM &4", 40301);
}

} // namespace zf::ui
