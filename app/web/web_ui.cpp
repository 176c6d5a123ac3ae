#include "web_ui.h"

#include "program/string_table.h"

namespace zf::web {

namespace {

const char* AnswerName(Answer answer) {
    switch (answer) {
    case Answer::Yes:
        return "yes";
    case Answer::No:
        return "no";
    case Answer::Cancel:
        return "cancel";
    case Answer::Edit:
        return "edit";
    }
    return "no";
}

// A box without a Cancel button closed by the page answers No.
Answer Offered(Answer answer, Buttons buttons) {
    if (answer == Answer::Cancel && buttons != Buttons::YesNoCancel)
        return Answer::No;
    if (answer == Answer::Edit && buttons != Buttons::YesNoEdit)
        return Answer::No;
    return answer;
}

} // namespace

void PageInterface::WarningBox(TextId, const std::string& text) {
    Play(Sound::Error);
    events.warnings.push_back({Text(TextId::ProductName), text, "warning"});
}

void PageInterface::InformationBox(TextId, const std::string& text) {
    events.warnings.push_back({Text(TextId::ProductName), text, "information"});
}

Answer PageInterface::Ask(TextId, const std::string& text, Buttons buttons) {
    return AskWithCaption(Text(TextId::ProductName), text, buttons);
}

Answer PageInterface::AskWithCaption(const std::string& caption, const std::string& text,
                                     Buttons buttons) {
    const Answer given = Offered(answer, buttons);
    events.questions.push_back({caption, text, AnswerName(given)});
    return given;
}

void PageInterface::ShowListCursor(int list, int line, int style) {
    Cursor(list) = {line, style};
    events.repaintLists.insert(list);
}

void PageInterface::HideListCursor(int list) {
    Cursor(list) = {};
    events.repaintLists.insert(list);
}

void PageInterface::RepaintList(int list, int) {
    events.repaintLists.insert(list);
}

void PageInterface::SetScrollRange(int list, int) {
    events.repaintLists.insert(list);
}

void PageInterface::RequestRun() {
    if (runRequested)
        runRequested();
}

void PageInterface::DrawZarnikAt(int, int) {
    events.robotMoved = true;
    events.repaintFloor = true;
}

void PageInterface::ObjectPlaced(GraphicObject&) {
    events.repaintFloor = true;
}

void PageInterface::ShowInstruction(const GoInstruction* instruction) {
    // The status line names the program that runs, as the desktop's does.
    if (!instruction)
        status.clear();
    else if (instruction->opcode == op::GoProgramHeader)
        status = tables_.names.Get(instruction->nameId);
}

int PageInterface::CursorLine(int list) const {
    return list == PROC_LIST ? procCursor_.line : goCursor_.line;
}

int PageInterface::CursorStyle(int list) const {
    return list == PROC_LIST ? procCursor_.style : goCursor_.style;
}

} // namespace zf::web
