#include "desktop/frame/desktop_ui.h"

#include "desktop/frame/tone_player.h"
#include "desktop/frame/translated_texts.h"
#include "files/lesson_folder.h"
#include "render/display_text.h"
#include "simulation/notes.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace zf::ui {

namespace {

// Messages may name files, whose names are shown as the system decodes them.
QString FromCore(const std::string& text) {
    return DisplayMessage(text);
}

QString Caption() {
    return TranslatedText(TextId::ProductName);
}

} // namespace

void DesktopUi::WarningBox(TextId id, const std::string& text) {
    Play(Sound::Error);
    if (standIn_ && standIn_->Warning(id, text))
        return;
    QMessageBox box(QMessageBox::Warning, Caption(), BoxMessage(text), QMessageBox::Ok, owner);
    box.exec();
}

void DesktopUi::InformationBox(TextId id, const std::string& text) {
    if (standIn_ && standIn_->Information(id, text))
        return;
    QMessageBox box(QMessageBox::Information, Caption(), BoxMessage(text), QMessageBox::Ok, owner);
    box.exec();
}

Answer DesktopUi::Ask(TextId id, const std::string& text, Buttons buttons) {
    if (const auto answer = standIn_ ? standIn_->Ask(id, text, buttons) : std::nullopt)
        return *answer;
    if (buttons == Buttons::YesNoEdit) {
        QMessageBox box(QMessageBox::Question, tr("Zarnikfield - Procedure"), FromCore(text),
                        QMessageBox::NoButton, owner);
        QPushButton* yes = box.addButton(tr("&Yes"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(tr("&No"), QMessageBox::NoRole);
        QPushButton* edit = box.addButton(tr("&Edit"), QMessageBox::ActionRole);
        box.setDefaultButton(no);
        box.exec();
        if (box.clickedButton() == yes)
            return Answer::Yes;
        if (box.clickedButton() == edit)
            return Answer::Edit;
        return Answer::No;
    }
    return AskWithCaption(Text(TextId::ProductName), text, buttons);
}

Answer DesktopUi::AskWithCaption(const std::string& caption, const std::string& text,
                                 Buttons buttons) {
    if (const auto answer = standIn_ ? standIn_->Ask(kUnnumbered, text, buttons) : std::nullopt)
        return *answer;
    QMessageBox::StandardButtons choice = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        choice |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, FromCore(caption), FromCore(text), choice, owner);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::No;
    }
}

std::string DesktopUi::AskSaveFileName(const std::string& filterName, const std::string& pattern,
                                       const std::string& defaultExtension) {
    if (auto name = standIn_ ? standIn_->SaveFileName(filterName) : std::nullopt)
        return *name;
    const std::string folder = project ? SaveDialogFolder(*project) : SaveDialogFolder(Project());
    QFileDialog dialog(owner, QString(), QString::fromStdString(folder),
                       QCoreApplication::translate("Messages", filterName.c_str()) + " (" +
                           FromCore(pattern) + ")");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(FromCore(defaultExtension).remove(0, 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first().toStdString();
}

void DesktopUi::RequestRun() {
    emit runRequested();
}

void DesktopUi::PlayTone(int frequency, int milliseconds) {
    if (tones)
        tones->Play(frequency, milliseconds);
}

void DesktopUi::Play(Sound which) {
    if (!sound)
        return;
    const Tone tone = SoundTone(which);
    PlayTone(tone.frequency, tone.milliseconds);
}

} // namespace zf::ui
