#include "desktop/dialogs/file_dialogs.h"

#include "desktop/dialogs/dialog_parts.h"
#include "desktop/frame/desktop_ui.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <QCoreApplication>
#include <QFileDialog>

#include <filesystem>

namespace zf::ui {

namespace {

namespace fs = std::filesystem;

QString Title(const SaveFileKind& kind) {
    return kind.title ? QCoreApplication::translate("FileTypes", kind.title) : TextQ(kind.titleId);
}

// What the system dialog answered; "" when it was cancelled.
std::string AskSystemDialog(QWidget* owner, const SaveFileKind& kind, const std::string& start) {
    const QString extension = QString::fromLatin1(kind.extension);
    QFileDialog dialog(
        owner, Title(kind), QString::fromStdString(start),
        QString("%1 (*.%2)")
            .arg(QCoreApplication::translate("FileTypes", kind.filterName), extension));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(extension);
    // Asked here instead, for the name with its extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first().toStdString();
}

std::string ChooseFile(QWidget* owner, const QString& title, const std::string& folder,
                       const QString& filterName, const char* extension) {
    QFileDialog dialog(owner, title, QString::fromStdString(folder),
                       QString("%1 (*.%2)").arg(filterName, QString::fromLatin1(extension)));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromLatin1(extension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first().toStdString();
}

} // namespace

std::string WithDefaultExtension(const std::string& path, const char* extension) {
    const fs::path name = fs::path(path).filename();
    if (name.empty())
        return path;
    const std::string ending = name.extension().string();
    if (!ending.empty() && ending != ".")
        return path;
    std::string named = ending == "." ? path.substr(0, path.size() - 1) : path;
    return named + "." + extension;
}

std::string AskSavePath(QWidget* owner, DesktopUi& ui, const SaveFileKind& kind,
                        const std::string& start) {
    std::string suggested = start;
    for (;;) {
        const std::optional<std::string> handed =
            ui.standIn() ? ui.standIn()->SaveFileName(kind.filterName) : std::nullopt;
        const std::string typed = handed ? *handed : AskSystemDialog(owner, kind, suggested);
        if (typed.empty())
            return {};
        const std::string path = WithDefaultExtension(typed, kind.extension);
        std::error_code error;
        if (fs::is_directory(path, error))
            return {};
        if (!fs::exists(path, error))
            return path;
        const std::string question = FormatText(Translated(unnumbered::kReplaceFileQuestion),
                                                {fs::path(path).filename().string()});
        if (ui.AskWithCaption(Title(kind).toStdString(), question, Buttons::YesNo) == Answer::Yes)
            return path;
        // No goes back to the dialog, as the system's own question does; a
        // name handed in by a test is not asked for again.
        if (handed)
            return {};
        suggested = path;
    }
}

std::string ChooseProjectFile(QWidget* owner, const std::string& folder) {
    return ChooseFile(owner, TextQ(TextId::SelectProjectTitle), folder,
                      QCoreApplication::translate("FileTypes", "Project"), "zfp");
}

std::string ChooseLessonFile(QWidget* owner, const std::string& folder) {
    return ChooseFile(owner, QCoreApplication::translate("FileTypes", "Select a lesson to open"),
                      folder, QCoreApplication::translate("FileTypes", "Lesson"), "zfl");
}

} // namespace zf::ui
