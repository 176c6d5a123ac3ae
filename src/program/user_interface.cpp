#include "program/user_interface.h"

namespace zf {

void Warn(UserInterface& ui, TextId id, std::initializer_list<TextArg> args) {
    ui.WarningBox(id, Text(id, args));
}

Answer AskText(UserInterface& ui, TextId id, Buttons buttons, std::initializer_list<TextArg> args) {
    return ui.Ask(id, Text(id, args), buttons);
}

} // namespace zf
