#pragma once

#include "files/project.h"
#include "program/text_ids.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

namespace zf {
struct ZarnikState;
}

namespace zf::ui {

class AboutBox;
class DesktopUi;
class HelpViewer;
class ExternalPrograms;
class ToolStrip;
class Tooltips;

// The main window's help side: the tooltips of its tool bars, the help
// books in one help window, the About box and the activity launcher with
// the launcher flag.
class HelpCommands : public QObject {
    Q_OBJECT
  public:
    // `robot` tells whether a Go Program runs, when the launcher is refused.
    HelpCommands(QWidget* mainWindow, DesktopUi& ui, const ZarnikState& robot,
                 const Project& project, std::vector<ToolStrip*> toolBars);
    ~HelpCommands() override;

    // Help, Activity, About and Open Activity; false for any other command.
    bool Command(int id);

    Tooltips* tooltips() const { return tooltips_; }
    // The help window and the About box once shown, else null.
    HelpViewer* viewer() const;
    AboutBox* about() const;

    // Set once the launcher has started; the exit prompts that follow take
    // the plain wording. Reading it clears it.
    bool TakeLauncherFlag();
    bool launcherStarted() const { return launcher_; }

    // What starts the launcher and opens the About box's links; tests put
    // in their own.
    void SetExternalPrograms(ExternalPrograms& external) { external_ = &external; }
    std::string helpFolder;
    std::string exampleFolder;

  signals:
    // A help page's link asks for a bundled project.
    void projectRequested(const std::string& project);

  private:
    void ShowHelp(TextId fileTextId);
    void StartLauncher();
    void ShowAbout();

    QWidget* main_;
    DesktopUi& ui_;
    const ZarnikState& robot_;
    const Project& project_;
    std::unique_ptr<ExternalPrograms> ownExternal_;
    ExternalPrograms* external_;
    Tooltips* tooltips_;
    QPointer<HelpViewer> viewer_;
    QPointer<AboutBox> about_;
    bool launcher_ = false;
};

} // namespace zf::ui
