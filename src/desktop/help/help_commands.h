#pragma once

#include "program/text_ids.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace zf::ui {

class AboutBox;
class DesktopUi;
class HelpViewer;
class ToolStrip;
class Tooltips;

// The main window's help side: the tooltips of its tool bars, the help
// books in one help window, the About box and the activity launcher with
// the launcher flag.
class HelpCommands : public QObject {
    Q_OBJECT
  public:
    HelpCommands(QWidget* mainWindow, DesktopUi& ui, std::vector<ToolStrip*> toolBars);

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

    std::function<bool()> runActive;
    std::function<void(const std::string& project)> openProject;
    // Starts a program detached; tests replace it.
    std::function<bool(const QString& program, const QStringList& arguments)> startProgram;
    std::string helpFolder;
    std::string exampleFolder;

  private:
    void ShowHelp(TextId fileTextId);
    void StartLauncher();
    void ShowAbout();

    QWidget* main_;
    DesktopUi& ui_;
    Tooltips* tooltips_;
    QPointer<HelpViewer> viewer_;
    QPointer<AboutBox> about_;
    bool launcher_ = false;
};

} // namespace zf::ui
