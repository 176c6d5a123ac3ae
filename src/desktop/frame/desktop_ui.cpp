#include "desktop/frame/desktop_ui.h"

#include "desktop/dialogs/text_dialogs.h"
#include "desktop/frame/app_messages.h"
#include "desktop/listing/list_view.h"
#include "desktop/listing/procedure_pane.h"
#include "desktop/listing/tone_player.h"
#include "files/lesson_folder.h"
#include "render/display_text.h"
#include "simulation/notes.h"

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
    return QString::fromLatin1(TextOf(TextId::ProductName).data());
}

} // namespace

ListView* DesktopUi::List(int list) const {
    return list == GO_LIST ? goList.data() : list == PROC_LIST ? procList.data() : nullptr;
}

void DesktopUi::WarningBox(TextId id, const std::string& text) {
    ErrorSound();
    if (hooks.warning) {
        hooks.warning(id, text);
        return;
    }
    // The box takes at most 255 characters of text.
    QMessageBox box(QMessageBox::Warning, Caption(), FromCore(text.substr(0, 255)), QMessageBox::Ok,
                    owner);
    box.exec();
}

void DesktopUi::InformationBox(TextId id, const std::string& text) {
    if (hooks.information || hooks.warning) {
        (hooks.information ? hooks.information : hooks.warning)(id, text);
        return;
    }
    QMessageBox box(QMessageBox::Information, Caption(), FromCore(text.substr(0, 255)),
                    QMessageBox::Ok, owner);
    box.exec();
}

Answer DesktopUi::Ask(TextId id, const std::string& text, Buttons buttons) {
    if (hooks.ask)
        return hooks.ask(id, text, buttons);
    if (buttons == Buttons::YesNoEdit) {
        QMessageBox box(QMessageBox::Question, QString::fromLatin1("Zarnikfield - Procedure"),
                        FromCore(text), QMessageBox::NoButton, owner);
        QPushButton* yes = box.addButton("&Yes", QMessageBox::YesRole);
        QPushButton* no = box.addButton("&No", QMessageBox::NoRole);
        QPushButton* edit = box.addButton("&Edit", QMessageBox::ActionRole);
        box.setDefaultButton(no);
        box.exec();
        if (box.clickedButton() == yes)
            return Answer::Yes;
        if (box.clickedButton() == edit)
            return Answer::Edit;
        return Answer::No;
    }
    return AskWithCaption(TextOf(TextId::ProductName).data(), text, buttons);
}

Answer DesktopUi::AskWithCaption(const std::string& caption, const std::string& text,
                                 Buttons buttons) {
    if (hooks.ask)
        return hooks.ask(kUnnumbered, text, buttons);
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
    if (hooks.saveFileName)
        return hooks.saveFileName(filterName);
    QFileDialog dialog(owner, QString(), QString::fromStdString(SaveDialogFolder()),
                       FromCore(filterName + " (" + pattern + ")"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(FromCore(defaultExtension).remove(0, 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first().toStdString();
}

void DesktopUi::ProgramChanged() const {
    if (programChanged)
        programChanged();
}

void DesktopUi::ShowListCursor(int list, int line, int style) {
    if (ListView* view = List(list))
        view->ShowCursor(line, style);
    ProgramChanged();
}

void DesktopUi::HideListCursor(int list) {
    if (ListView* view = List(list))
        view->HideCursor();
    ProgramChanged();
}

void DesktopUi::PaintListCursor(int list) {
    if (ListView* view = List(list))
        view->update();
}

void DesktopUi::RepaintList(int list, int) {
    if (ListView* view = List(list))
        view->ListChanged();
    ProgramChanged();
}

void DesktopUi::ListReindented(int list) {
    RepaintList(list, 1);
}

void DesktopUi::SetScrollRange(int list, int) {
    if (ListView* view = List(list))
        view->ListChanged();
    ProgramChanged();
}

void DesktopUi::ScrollToLine(int list, int line) {
    if (ListView* view = List(list))
        view->ScrollLineIntoView(line);
}

void DesktopUi::BringProcedureWindowToTop() {
    if (procedurePane)
        procedurePane->Restore();
}

void DesktopUi::ShowProcedureWindow() {
    BringProcedureWindowToTop();
}

bool DesktopUi::EditTextObject(TextObjectRecord& record, bool editing) {
    if (hooks.editText)
        return hooks.editText(record);
    return KeyedTextDialogs(owner, record, editing);
}

void DesktopUi::RequestRun() {
    PostAppMessage(drawing, msg::Run, 1);
}

void DesktopUi::PlayTone(int frequency, int milliseconds) {
    if (tones)
        tones->Play(frequency, milliseconds);
}

void DesktopUi::KeyClick() {
    if (sound)
        PlayTone(NoteFrequency(8, 2), NoteDuration(1, 3));
}

void DesktopUi::SecondKeySound() {
    if (sound)
        PlayTone(NoteFrequency(12, 2), NoteDuration(1, 3));
}

void DesktopUi::ErrorSound() {
    if (sound)
        PlayTone(NoteFrequency(1, 1), NoteDuration(3, 3));
}

} // namespace zf::ui
