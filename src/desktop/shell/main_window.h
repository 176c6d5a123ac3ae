#pragma once

#include "desktop/frame/document.h"
#include "desktop/frame/menu_commands.h"
#include "desktop/shell/link_progress.h"
#include "desktop/shell/session_end.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace zf {
class IniFile;
}

namespace zf::ui {

class GraphicsDrawing;
class GraphicsLibrary;
class HandedFiles;
class GoContainer;
class HelpCommands;
class ListView;
class PrintCommands;
class ProcedurePane;
class ProjectorMode;
class RazAzi;
class TonePlayer;
class WorkingAreaCommands;

// The main window "Zarnikfield": the menu and the RazAzi pane filling the
// client area. It joins the requests of its panes to the windows that answer
// them and runs the exit checks.
class MainWindow : public QMainWindow, private SaveQuestions {
    Q_OBJECT
  public:
    explicit MainWindow(const std::string& iniPath = {});
    ~MainWindow() override;

    Document& document() { return doc_; }
    RazAzi* razAzi() const { return razAzi_; }
    GoContainer* goContainer() const;
    GraphicsDrawing* drawing() const;
    ListView* procedureList() const { return procList_; }
    ProcedurePane* procedurePane() const;
    GraphicsLibrary* library() const { return library_; }
    QAction* Action(int id) const;
    PrintCommands& printing() { return *printing_; }
    WorkingAreaCommands* workingAreaCommands() const { return dialogs_; }
    LinkTransfers& transfers() { return transfers_; }

    // The command-line argument: a project or a Go Program.
    void StartupLoad(const std::string& argument);
    // A file handed over by a later start: the window comes forward and
    // opens it as File > Open would, save prompts first; "" only comes
    // forward. While a transfer or a modal box is up it waits.
    void OpenHandedFile(const std::string& path);
    // The exit checks; false keeps the program running.
    bool ExitChecks();
    SessionEnd* sessionEnd() const { return session_; }
    void Command(int id);
    // Open Project on a known file: the refusal while running and the save
    // prompts first.
    void OpenProjectCommand(const std::string& given = {});
    // Unpacks a lesson file into the work folder and opens its project.
    void OpenLessonCommand(const std::string& given = {});
    HelpCommands* help() const { return help_; }
    // Full screen and the zoom of the working area and the listings.
    ProjectorMode* projector() const { return projector_; }

    void SetListingSize(int index);
    // Index 0..3: Slow to Instant; Very Slow is Slow with verySlow set.
    void SetSpeed(int index, bool verySlow = false);
    void SetSound(bool on);
    void SetComPort(int index);
    void SetTooltips(bool on);
    void SetHighContrast(bool on);

    // Edit > Undo and Redo; refused while a Go Program runs.
    void Undo();
    void Redo();
    // The options file's programs and projects, newest first.
    std::vector<std::string> RecentFiles() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // A change of language sets the menus' and panes' texts again.
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The tool bar's clears ask first.
    void ConfirmClearAllObjects();
    void ConfirmClearWorkingArea();
    // Every pane's signals to the slots that answer them, in one place.
    void ConnectPanes();
    void BuildMenus();
    void BuildFileMenu();
    void BuildOptionsMenu();
    // Options > Language; a choice applies at once and is remembered.
    void BuildLanguageMenu(QMenu* options);
    void ChooseLanguage(const QString& code);
    void ReadOptions();
    // The commands of the Options menu, of files and of the robot; false
    // for any other id.
    bool OptionCommand(int id);
    bool FileCommand(int id);
    bool RobotCommand(int id);
    void ApplyProjectOptions(const ProjectOptions& options);
    QAction* Add(QMenu* menu, const char* text, int id);
    bool GoProgramSavePrompt(bool forExit);
    bool ProjectSavePrompt(bool forExit);
    void StopRunForExit();
    // The save questions of Exit when the desktop session ends.
    bool AskSaveQuestions() override;
    bool SaveGoProgram();
    // Ctrl+S: to the file the program came from, without a dialog, once it
    // has one.
    bool SaveGoProgramToItsName();
    bool SaveGoProgramTo(const std::string& path);
    void NewGoProgram();
    void OpenRecentFile(int index);
    void FillRecentMenu();
    void AddShortcuts();
    // Changes the options file the program reads at start; menu choices are
    // remembered there.
    void EditOptionsFile(const std::function<void(IniFile&)>& edit);
    void RememberOption(const char* section, const char* key, int value);
    void RememberFile(const std::string& path);
    // Undo or Redo put back a part: the windows show it.
    void ShowRestored(bool program, bool area);
    void UpdateUndoActions();
    bool RefuseUndo();
    bool SaveProject();
    bool SaveLesson();
    // Without a path the open dialog asks for one.
    void OpenGoProgramCommand(const std::string& given = {});
    void WorkingAreaChanged();
    // Both lists were loaded anew: the views follow, the cursor shows.
    void ListsReplaced();
    void SetTitleFor(const std::string& path);
    void OpenHandedFileNow(const std::string& path);
    // The panes' places, kept for the next start.
    void SaveLayout();

    Document doc_;
    std::string iniPath_;
    TonePlayer* tones_;
    RazAzi* razAzi_;
    GraphicsLibrary* library_;
    ListView* procList_;
    HelpCommands* help_;
    std::map<int, QAction*> actions_;
    std::unique_ptr<PrintCommands> printing_;
    WorkingAreaCommands* dialogs_;
    SessionEnd* session_;
    QMenu* recentMenu_ = nullptr;
    LinkTransfers transfers_;
    HandedFiles* handed_;
    ProjectorMode* projector_;
    bool closing_ = false;
};

} // namespace zf::ui
