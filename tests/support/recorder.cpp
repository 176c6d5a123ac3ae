#include "support/recorder.h"

namespace zf::test {

void Recorder::WarningBox(TextId id, const std::string& text) {
    messages.push_back({id, text});
}

void Recorder::InformationBox(TextId id, const std::string& text) {
    messages.push_back({id, text, true});
}

Answer Recorder::Ask(TextId id, const std::string& text, Buttons) {
    questions.push_back({id, text});
    if (answers.empty())
        return Answer::No;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

void Recorder::ShowListCursor(int list, int line, int style) {
    if (list >= 1 && list <= 2)
        cursors[list] = {line, style, style != cursor::Erase};
}

void Recorder::HideListCursor(int list) {
    if (list >= 1 && list <= 2)
        cursors[list].visible = false;
}

bool Recorder::EditTextObject(NameTables& tables, TextObjectRecord& record, bool editing) {
    // Without a choice: a front end with no text box of its own.
    if (!textChoice)
        return UserInterface::EditTextObject(tables, record, editing);
    record = *textChoice;
    return true;
}

void Recorder::PlayTone(int frequency, int milliseconds) {
    tones.push_back({frequency, milliseconds});
}

} // namespace zf::test
