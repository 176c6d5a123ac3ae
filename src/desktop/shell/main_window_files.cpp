// The main window's file and robot commands: open, save and the save
// questions, the start's argument, handed files and the transfers.

#include "desktop/shell/main_window.h"

#include "desktop/dialogs/file_dialogs.h"
#include "desktop/dialogs/working_area_commands.h"
#include "desktop/listing/go_container.h"
#include "desktop/printing/print_commands.h"
#include "desktop/shell/handed_files.h"
#include "desktop/shell/link_progress.h"
#include "desktop/workarea/graphics_drawing.h"
#include "files/go_program_file.h"
#include "files/lesson_file.h"
#include "files/lesson_folder.h"
#include "files/options_file.h"
#include "files/paths.h"
#include "files/project_folder.h"
#include "link/zarnik_link.h"
#include "program/string_table.h"

#include <QApplication>

namespace zf::ui {

bool MainWindow::FileCommand(int id) {
    if (id >= command::RecentFirst && id < command::RecentFirst + kRecentFiles) {
        OpenRecentFile(id - command::RecentFirst);
        return true;
    }
    switch (id) {
    case command::OpenProject:
        OpenProjectCommand();
        return true;
    case command::OpenGoProgram:
        OpenGoProgramCommand();
        return true;
    case command::SaveProject:
        SaveProject();
        return true;
    case command::OpenLesson:
        OpenLessonCommand();
        return true;
    case command::SaveLesson:
        SaveLesson();
        return true;
    case command::SaveGoProgram:
        SaveGoProgram();
        return true;
    case command::PrintGoProgram:
        printing_->PrintGoProgram();
        return true;
    case command::PrintWorkingArea:
        printing_->PrintWorkingArea();
        return true;
    case command::SaveWorkingArea:
        dialogs_->SaveWorkingArea();
        return true;
    case command::NewGoProgram:
        NewGoProgram();
        return true;
    case command::SaveGoProgramToItsName:
        SaveGoProgramToItsName();
        return true;
    default:
        return false;
    }
}

bool MainWindow::RobotCommand(int id) {
    if (id == command::SendGoProgram) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        SendGoProgram(*doc_.editor, doc_.link,
                      transfers_.Progress(this, doc_.ui,
                                          tr("Sending the Go Program to the Floor Zarnik...")));
        QApplication::restoreOverrideCursor();
        return true;
    }
    if (id != command::GetGoProgram)
        return false;
    if (GoProgramSavePrompt(false)) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        {
            EditHistory::Change change(doc_.history);
            if (ReadZarnikProgramToZarnikMemBuffer(
                    *doc_.editor, doc_.link,
                    transfers_.Progress(this, doc_.ui,
                                        tr("Getting the Go Program from the Floor Zarnik..."))))
                doc_.programPath.clear();
        }
        QApplication::restoreOverrideCursor();
        ListsReplaced();
    }
    return true;
}

void MainWindow::StartupLoad(const std::string& argument) {
    // A lesson unpacks into a folder of its own once the window stands.
    const bool lesson = QString::fromStdString(argument).endsWith(".zfl", Qt::CaseInsensitive);
    ProjectScene scene = doc_.Scene();
    const StartupOpened opened = zf::StartupLoad(scene, lesson ? std::string() : argument);
    if (opened != StartupOpened::Project)
        drawing()->PlaceDefaultRobot();
    if (opened != StartupOpened::Nothing)
        RememberFile(argument);
    if (opened == StartupOpened::GoProgram)
        doc_.programPath = argument;
    doc_.projectChanged = false;
    doc_.history.Clear();
    WorkingAreaChanged();
    ListsReplaced();
    if (lesson)
        OpenLessonCommand(argument);
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
    else if (file.endsWith(".zfl", Qt::CaseInsensitive))
        OpenLessonCommand(path);
}

bool MainWindow::SaveGoProgram() {
    std::string suggested = TextOf(TextId::DefaultGoProgramName).data();
    const GoInstruction* head = doc_.editor->Head(GO_LIST);
    if (head && head->opcode == op::GoProgramHeader)
        suggested = doc_.tables.names.Get(head->nameId);
    const std::string path = AskSavePath(this, doc_.ui, kGoProgramFiles,
                                         SaveDialogFolder(doc_.project, FolderPart(suggested)) +
                                             FileNamePart(suggested));
    if (path.empty())
        return false;
    return SaveGoProgramTo(path);
}

bool MainWindow::SaveProject() {
    const std::string path = AskSavePath(this, doc_.ui, kProjectFiles,
                                         SaveDialogFolder(doc_.project) + doc_.project.fileName);
    if (path.empty())
        return false;
    ProjectScene scene = doc_.Scene();
    if (!SaveProjectAs(scene, path))
        return false;
    doc_.projectChanged = false;
    RememberFile(path);
    return true;
}

bool MainWindow::SaveLesson() {
    std::string name = FileNamePart(doc_.project.fileName);
    if (name.size() > 4)
        name = name.substr(0, name.size() - 4) + kLessonExtension;
    const std::string path =
        AskSavePath(this, doc_.ui, kLessonFiles, SaveDialogFolder(doc_.project) + name);
    if (path.empty())
        return false;
    ProjectScene scene = doc_.Scene();
    return SaveLessonAs(scene, path);
}

bool MainWindow::GoProgramSavePrompt(bool forExit) {
    if (!doc_.editor->modified)
        return true;
    std::string text = Text(TextId::SaveGoProgramChanges);
    if (forExit)
        text = Text(TextId::ExitZarnikfield) + "\n" + text;
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
    std::string text = Text(TextId::SaveProjectChanges);
    if (forExit)
        text = Text(TextId::ExitZarnikfield) + "\n" + text;
    switch (doc_.ui.Ask(TextId::SaveProjectChanges, text, Buttons::YesNoCancel)) {
    case Answer::Yes:
        return SaveProject();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void MainWindow::OpenGoProgramCommand(const std::string& given) {
    if (drawing()->ProgramActive()) {
        Warn(doc_.ui, TextId::NoGoProgramWhileRunning);
        return;
    }
    if (!GoProgramSavePrompt(false))
        return;
    const std::string path =
        !given.empty()
            ? given
            : ChooseGoProgramFile(this, doc_.ui, doc_.project.folder, doc_.options.goBrowse);
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
    const std::string path = !given.empty() ? given : ChooseProjectFile(this, doc_.project.folder);
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

void MainWindow::OpenLessonCommand(const std::string& given) {
    if (drawing()->ProgramActive()) {
        Warn(doc_.ui, TextId::NoProjectWhileRunning);
        return;
    }
    if (!GoProgramSavePrompt(false) || !ProjectSavePrompt(false))
        return;
    const std::string path = !given.empty() ? given : ChooseLessonFile(this, doc_.project.folder);
    if (path.empty())
        return;
    ProjectScene scene = doc_.Scene();
    if (OpenLesson(scene, path))
        doc_.programPath.clear();
    doc_.history.Clear();
    WorkingAreaChanged();
    ListsReplaced();
}

} // namespace zf::ui
