// The main window's menu bar: every item, its command id and its radio
// group; the shortcuts are added once the items exist.

#include "desktop/shell/main_window.h"

#include "desktop/frame/translated_texts.h"
#include "desktop/shell/projector_mode.h"

#include <QActionGroup>
#include <QMenuBar>

namespace zf::ui {

QAction* MainWindow::Action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

namespace {

// A menu whose title follows the language.
template <class Parent>
QMenu* TitledMenu(Parent* parent, const char* title) {
    QMenu* menu = parent->addMenu(QString());
    SetTranslated(menu, "title", "Menus", title);
    return menu;
}

} // namespace

QAction* MainWindow::Add(QMenu* menu, const char* text, int id) {
    QAction* a = menu->addAction(QString());
    SetTranslated(a, "text", "Menus", text);
    connect(a, &QAction::triggered, this, [this, id] { Command(id); });
    actions_[id] = a;
    return a;
}

void MainWindow::BuildMenus() {
    BuildFileMenu();

    QMenu* edit = TitledMenu(menuBar(), QT_TRANSLATE_NOOP("Menus", "&Edit"));
    Add(edit, QT_TRANSLATE_NOOP("Menus", "&Undo"), command::Undo);
    Add(edit, QT_TRANSLATE_NOOP("Menus", "&Redo"), command::Redo);
    edit->addSeparator();
    Add(edit, QT_TRANSLATE_NOOP("Menus", "&Copy Working Area"), command::CopyWorkingArea);
    edit->addSeparator();
    Add(edit, QT_TRANSLATE_NOOP("Menus", "Clear &Memory (CM)"), command::ClearMemoryKey);

    QMenu* robot = TitledMenu(menuBar(), QT_TRANSLATE_NOOP("Menus", "Floor &Zarnik"));
    Add(robot, QT_TRANSLATE_NOOP("Menus", "(You will need a Zarnik Interface Lead for this)"),
        command::InterfaceLeadNote);
    robot->addSeparator();
    Add(robot, QT_TRANSLATE_NOOP("Menus", "&Send GO Program"), command::SendGoProgram);
    Add(robot, QT_TRANSLATE_NOOP("Menus", "&Get GO Program"), command::GetGoProgram);

    BuildOptionsMenu();

    QMenu* activity = TitledMenu(menuBar(), QT_TRANSLATE_NOOP("Menus", "&Activity"));
    Add(activity, QT_TRANSLATE_NOOP("Menus", "&Journeys"), command::JourneysHelp);
    Add(activity, QT_TRANSLATE_NOOP("Menus", "&Routes"), command::RoutesHelp);

    QMenu* window = TitledMenu(menuBar(), QT_TRANSLATE_NOOP("Menus", "&Window"));
    Add(window, QT_TRANSLATE_NOOP("Menus", "&Default Layout"), command::DefaultLayout);
    window->addSeparator();
    Add(window, QT_TRANSLATE_NOOP("Menus", "&Procedure"), command::ShowProcedure);
    window->addSeparator();
    window->addActions({projector_->fullScreenAction(), projector_->zoomInAction(),
                        projector_->zoomOutAction(), projector_->zoomResetAction()});

    QMenu* help = TitledMenu(menuBar(), QT_TRANSLATE_NOOP("Menus", "&Help"));
    QAction* userGuide =
        Add(help, QT_TRANSLATE_NOOP("Menus", "Zarnik&field"), command::UserGuideHelp);
    userGuide->setShortcut(Qt::Key_F1);
    Add(help, QT_TRANSLATE_NOOP("Menus", "&Zarnik"), command::ZarnikHelp);
    help->addSeparator();
    Add(help, QT_TRANSLATE_NOOP("Menus", "&About..."), command::About);

    // F5 repaints the working area; it has no menu item.
    auto* repaint = new QAction(this);
    repaint->setShortcut(Qt::Key_F5);
    connect(repaint, &QAction::triggered, this, [this] { Command(command::Repaint); });
    addAction(repaint);
    AddShortcuts();
}

void MainWindow::BuildFileMenu() {
    QMenu* file = TitledMenu(menuBar(), QT_TRANSLATE_NOOP("Menus", "&File"));
    Add(file, QT_TRANSLATE_NOOP("Menus", "N&ew Go Program"), command::NewGoProgram);
    Add(file, QT_TRANSLATE_NOOP("Menus", "Open &Activity..."), command::OpenActivity);
    Add(file, QT_TRANSLATE_NOOP("Menus", "Open &Project..."), command::OpenProject);
    Add(file, QT_TRANSLATE_NOOP("Menus", "Open &Go Program..."), command::OpenGoProgram);
    Add(file, QT_TRANSLATE_NOOP("Menus", "Open &Lesson..."), command::OpenLesson);
    recentMenu_ = TitledMenu(file, QT_TRANSLATE_NOOP("Menus", "Recent &Files"));
    recentMenu_->setToolTipsVisible(true);
    // Filled as the File menu opens: an empty list leaves the item disabled.
    connect(file, &QMenu::aboutToShow, this, &MainWindow::FillRecentMenu);
    file->addSeparator();
    Add(file, QT_TRANSLATE_NOOP("Menus", "Save P&roject..."), command::SaveProject);
    Add(file, QT_TRANSLATE_NOOP("Menus", "&Save Go Program"), command::SaveGoProgramToItsName);
    Add(file, QT_TRANSLATE_NOOP("Menus", "Save G&o Program..."), command::SaveGoProgram);
    Add(file, QT_TRANSLATE_NOOP("Menus", "Save &Working Area..."), command::SaveWorkingArea);
    Add(file, QT_TRANSLATE_NOOP("Menus", "Sa&ve Lesson As..."), command::SaveLesson);
    file->addSeparator();
    Add(file, QT_TRANSLATE_NOOP("Menus", "Pri&nt Go Program..."), command::PrintGoProgram);
    Add(file, QT_TRANSLATE_NOOP("Menus", "Prin&t Working Area..."), command::PrintWorkingArea);
    file->addSeparator();
    Add(file, QT_TRANSLATE_NOOP("Menus", "E&xit"), command::Exit);
}

void MainWindow::BuildOptionsMenu() {
    QMenu* options = TitledMenu(menuBar(), QT_TRANSLATE_NOOP("Menus", "&Options"));
    // The groups show one choice each, as radio marks.
    auto choice = [this](QMenu* menu, QActionGroup* group, const char* text, int id) {
        QAction* a = Add(menu, text, id);
        a->setCheckable(true);
        group->addAction(a);
    };
    QMenu* listing = TitledMenu(options, QT_TRANSLATE_NOOP("Menus", "&Listing Size"));
    auto* sizes = new QActionGroup(listing);
    for (int i = 0; i < 10; ++i) {
        static const char* texts[] = {"5", "10", "15", "20", "25", "30", "35", "40", "45", "50"};
        choice(listing, sizes, texts[i], command::ListingSizeFirst + i);
    }
    QMenu* speed = TitledMenu(options, QT_TRANSLATE_NOOP("Menus", "&Zarnik Speed"));
    auto* speeds = new QActionGroup(speed);
    choice(speed, speeds, QT_TRANSLATE_NOOP("Menus", "&Very Slow"), command::SpeedVerySlow);
    choice(speed, speeds, QT_TRANSLATE_NOOP("Menus", "&Slow"), command::SpeedSlow);
    choice(speed, speeds, QT_TRANSLATE_NOOP("Menus", "&Medium"), command::SpeedMedium);
    choice(speed, speeds, QT_TRANSLATE_NOOP("Menus", "&Fast"), command::SpeedFast);
    choice(speed, speeds, QT_TRANSLATE_NOOP("Menus", "&Instant"), command::SpeedInstant);
    Add(options, QT_TRANSLATE_NOOP("Menus", "&Sound"), command::Sound)->setCheckable(true);
    Add(options, QT_TRANSLATE_NOOP("Menus", "&Tooltips"), command::Tooltips)->setCheckable(true);
    Add(options, QT_TRANSLATE_NOOP("Menus", "&High Contrast"), command::HighContrast)
        ->setCheckable(true);
    QMenu* com = TitledMenu(options, QT_TRANSLATE_NOOP("Menus", "&Com Port"));
    auto* ports = new QActionGroup(com);
    choice(com, ports, "COM &1", command::ComPort1);
    choice(com, ports, "COM &2", command::ComPort2);
    choice(com, ports, "COM &3", command::ComPort3);
    choice(com, ports, "COM &4", command::ComPort4);
    BuildLanguageMenu(options);
}

} // namespace zf::ui
