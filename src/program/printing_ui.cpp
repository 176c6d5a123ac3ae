#include "program/printing_ui.h"

#include "program/key_sequence.h"

#include <cctype>

namespace zf {

void PrintingUi::WarningBox(TextId id, const std::string& text) {
    std::fprintf(out_, "%s\n", FormatShownMessage(id, text).c_str());
    ++messagesShown;
}

Answer PrintingUi::Ask(TextId id, const std::string& text, Buttons) {
    std::fprintf(out_, "%s\n", FormatShownMessage(id, text).c_str());
    ++messagesShown;
    if (answers.empty())
        return Answer::No;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

bool ParseAnswer(const std::string& word, Answer& answer) {
    std::string w;
    for (char c : word)
        w += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (w == "yes")
        answer = Answer::Yes;
    else if (w == "no")
        answer = Answer::No;
    else if (w == "cancel")
        answer = Answer::Cancel;
    else if (w == "edit")
        answer = Answer::Edit;
    else
        return false;
    return true;
}

} // namespace zf
