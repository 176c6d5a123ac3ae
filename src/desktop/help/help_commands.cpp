#include "desktop/help/help_commands.h"

#include "desktop/frame/desktop_ui.h"
#include "desktop/frame/menu_commands.h"
#include "desktop/help/about_box.h"
#include "desktop/help/external_programs.h"
#include "desktop/help/help_viewer.h"
#include "desktop/help/tooltips.h"
#include "files/activities.h"
#include "files/project_folder.h"
#include "simulation/zarnik_state.h"

#include <QAction>

namespace zf::ui {

HelpCommands::HelpCommands(QWidget* mainWindow, DesktopUi& ui, const ZarnikState& robot,
                           const Project& project, std::vector<ToolStrip*> toolBars)
    : QObject(mainWindow), helpFolder(FindBundledFolder(project, "help")),
      exampleFolder(FindBundledFolder(project, "example")), main_(mainWindow), ui_(ui),
      robot_(robot), project_(project), ownExternal_(std::make_unique<ExternalPrograms>()),
      external_(ownExternal_.get()), tooltips_(new Tooltips(mainWindow, std::move(toolBars))) {}

HelpCommands::~HelpCommands() = default;

bool HelpCommands::Command(int id) {
    switch (id) {
    case command::OpenActivity:
        StartLauncher();
        return true;
    case command::UserGuideHelp:
        ShowHelp(TextId::UserGuideFile);
        return true;
    case command::ZarnikHelp:
        ShowHelp(TextId::ZarnikHelpFile);
        return true;
    case command::JourneysHelp:
        ShowHelp(TextId::JourneysHelpFile);
        return true;
    case command::RoutesHelp:
        ShowHelp(TextId::RoutesHelpFile);
        return true;
    case command::About:
        ShowAbout();
        return true;
    default:
        return false;
    }
}

HelpViewer* HelpCommands::viewer() const {
    return viewer_;
}

AboutBox* HelpCommands::about() const {
    return about_;
}

bool HelpCommands::TakeLauncherFlag() {
    const bool was = launcher_;
    launcher_ = false;
    return was;
}

void HelpCommands::ShowHelp(TextId fileTextId) {
    if (viewer_.isNull()) {
        viewer_ = new HelpViewer(main_);
        viewer_->projectFolder = exampleFolder;
        connect(viewer_, &HelpViewer::projectRequested, this, &HelpCommands::projectRequested);
        // F1 in the help window, too, opens the user guide.
        auto* guide = new QAction(viewer_);
        guide->setShortcut(Qt::Key_F1);
        viewer_->addAction(guide);
        connect(guide, &QAction::triggered, this, [this] { ShowHelp(TextId::UserGuideFile); });
    }
    const std::string file = Text(fileTextId);
    if (!viewer_->OpenBook(helpFolder, file)) {
        ui_.WarningBox(kUnnumbered,
                       tr("The help book %1 cannot be found in %2.")
                           .arg(QString::fromStdString(file), QString::fromStdString(helpFolder))
                           .toStdString());
        return;
    }
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

void HelpCommands::StartLauncher() {
    if (IsGoProgramActive(robot_)) {
        Warn(ui_, TextId::NoGoProgramWhileRunning);
        return;
    }
    // The launcher carries the platform's own program name.
    std::string name = Text(TextId::LauncherFileName);
    if (name.size() > 4 && name.ends_with(".exe"))
        name.resize(name.size() - 4);
    launcher_ = external_->Start(QString::fromStdString(project_.programFolder + name), {});
    if (!launcher_)
        Warn(ui_, TextId::LauncherNotFound);
}

void HelpCommands::ShowAbout() {
    if (about_.isNull()) {
        about_ = new AboutBox(QString::fromStdString(exampleFolder), main_);
        about_->setAttribute(Qt::WA_DeleteOnClose);
        connect(about_, &AboutBox::linkClicked, this,
                [this](const QUrl& target) { external_->OpenUrl(target); });
    }
    about_->open();
}

} // namespace zf::ui
