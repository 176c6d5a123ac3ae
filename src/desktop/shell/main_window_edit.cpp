// The main window's everyday commands: shortcuts, New and Save, Undo and
// Redo, the recent files and the options remembered between sessions.

#include "desktop/shell/main_window.h"

#include "desktop/listing/go_container.h"
#include "desktop/listing/list_view.h"
#include "desktop/workarea/graphics_drawing.h"
#include "files/file_io.h"
#include "files/go_program_file.h"
#include "files/options_file.h"
#include "files/paths.h"
#include "program/string_table.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <QAction>
#include <QMenu>

#include <filesystem>

namespace zf::ui {

void MainWindow::AddShortcuts() {
    const std::pair<int, QList<QKeySequence>> keys[] = {
        {command::NewGoProgram, {QKeySequence::New}},
        {command::OpenGoProgram, {QKeySequence::Open}},
        {command::SaveGoProgramToItsName, {QKeySequence::Save}},
        {command::SaveGoProgram, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
        {command::PrintGoProgram, {QKeySequence::Print}},
        {command::Exit, {QKeySequence(Qt::CTRL | Qt::Key_Q)}},
        {command::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
        {command::Redo,
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
        {command::CopyWorkingArea, {QKeySequence(Qt::CTRL | Qt::Key_C)}},
        // CE is Backspace on the keyboard; CM asks for a second press as
        // on the keypad.
        {command::ClearMemoryKey, {QKeySequence(Qt::Key_Delete)}},
    };
    for (const auto& [id, sequences] : keys)
        if (QAction* a = Action(id))
            a->setShortcuts(sequences);
    UpdateUndoActions();
}

void MainWindow::UpdateUndoActions() {
    if (QAction* a = Action(command::Undo))
        a->setEnabled(doc_.history.CanUndo());
    if (QAction* a = Action(command::Redo))
        a->setEnabled(doc_.history.CanRedo());
}

bool MainWindow::RefuseUndo() {
    // A paused run still walks the lists and stands where it stopped.
    if (!IsGoProgramActive(doc_.state))
        return false;
    Warn(doc_.ui, TextId::GoProgramRunning);
    return true;
}

void MainWindow::Undo() {
    if (RefuseUndo())
        return;
    const EditHistory::Restored r = doc_.history.Undo();
    ShowRestored(r.program, r.area);
}

void MainWindow::Redo() {
    if (RefuseUndo())
        return;
    const EditHistory::Restored r = doc_.history.Redo();
    ShowRestored(r.program, r.area);
}

void MainWindow::ShowRestored(bool program, bool area) {
    if (area) {
        doc_.projectChanged = true;
        // The floor's size may have come back with the rest.
        WorkingAreaChanged();
        drawing()->Rebuild();
    }
    if (program)
        ListsReplaced();
    UpdateUndoActions();
}

void MainWindow::NewGoProgram() {
    if (drawing()->ProgramActive()) {
        Warn(doc_.ui, TextId::NoGoProgramWhileRunning);
        return;
    }
    if (!GoProgramSavePrompt(false))
        return;
    {
        EditHistory::Change change(doc_.history);
        GoEditor& editor = *doc_.editor;
        editor.DestroyProgramList(PROC_LIST);
        editor.DestroyProgramList(GO_LIST);
        editor.procedureBeingDefined = 0;
        editor.goPosition = nullptr;
        editor.MakeHeader(TextOf(TextId::DefaultGoProgramName).data());
        editor.modified = 0;
    }
    doc_.programPath.clear();
    ListsReplaced();
}

bool MainWindow::SaveGoProgramToItsName() {
    const GoInstruction* head = doc_.editor->Head(GO_LIST);
    // The name goes with the program: after CM or New it is the default one
    // again, and the file it came from is not to be overwritten unasked.
    const bool named =
        !doc_.programPath.empty() && head && head->opcode == op::GoProgramHeader &&
        FileNameOf(doc_.tables.names.Get(head->nameId)) == FileNameOf(doc_.programPath);
    return named ? SaveGoProgramTo(doc_.programPath) : SaveGoProgram();
}

bool MainWindow::SaveGoProgramTo(const std::string& path) {
    if (!SaveGoProgramAs(*doc_.editor, path))
        return false;
    doc_.programPath = path;
    RememberFile(path);
    goContainer()->goList()->update();
    return true;
}

std::vector<std::string> MainWindow::RecentFiles() const {
    return ReadRecentFiles(
        IniFile::Load(iniPath_.empty() ? OptionsFilePath(doc_.project) : iniPath_));
}

void MainWindow::FillRecentMenu() {
    recentMenu_->clear();
    const std::vector<std::string> files = RecentFiles();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString path = QString::fromStdString(files[i]);
        QAction* a = recentMenu_->addAction(
            QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(FileNameOf(files[i]))));
        a->setToolTip(path);
        const int id = command::RecentFirst + static_cast<int>(i);
        connect(a, &QAction::triggered, this, [this, id] { Command(id); });
    }
    recentMenu_->setEnabled(!files.empty());
}

void MainWindow::OpenRecentFile(int index) {
    const std::vector<std::string> files = RecentFiles();
    if (index < 0 || index >= static_cast<int>(files.size()))
        return;
    const std::string path = files[static_cast<std::size_t>(index)];
    if (!FileExists(path)) {
        doc_.ui.WarningBox(kUnnumbered,
                           FormatText(Translated(unnumbered::kRecentFileMissing), {path.c_str()}));
        EditOptionsFile([&](IniFile& ini) { RemoveRecentFile(ini, path); });
        return;
    }
    if (QString::fromStdString(path).endsWith(".gop", Qt::CaseInsensitive))
        OpenGoProgramCommand(path);
    else
        OpenProjectCommand(path);
}

void MainWindow::EditOptionsFile(const std::function<void(IniFile&)>& edit) {
    IniFile ini = IniFile::Load(iniPath_.empty() ? OptionsFilePath(doc_.project) : iniPath_);
    edit(ini);
    if (iniPath_.empty())
        SaveOptionsFile(doc_.project, ini);
    else
        ini.Save(iniPath_);
}

void MainWindow::RememberOption(const char* section, const char* key, int value) {
    EditOptionsFile([&](IniFile& ini) { ini.SetString(section, key, std::to_string(value)); });
}

void MainWindow::RememberFile(const std::string& path) {
    if (!FileExists(path))
        return;
    std::error_code ignored;
    const std::string full = std::filesystem::absolute(path, ignored).lexically_normal().string();
    EditOptionsFile([&](IniFile& ini) { AddRecentFile(ini, full); });
}

} // namespace zf::ui
