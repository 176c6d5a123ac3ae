#include "program/keypad_rules.h"

#include "program/key_entry.h"

#include <utility>

namespace zf {

void KeypadRules::RemovePrompt() {
    if (timerRunning_) {
        actions_.StopClearTimer();
        timerRunning_ = false;
    }
    if (promptShown_) {
        actions_.HideClearPrompt();
        promptShown_ = false;
    }
}

void KeypadRules::Click(int code, bool runActive, int procedureBeingDefined) {
    if (runActive) {
        actions_.KeySound();
        actions_.RequestStop();
        return;
    }
    if (code != key::ClearMemory) {
        if (timerRunning_) {
            actions_.StopClearTimer();
            timerRunning_ = false;
        }
        if (promptShown_) {
            actions_.HideClearPrompt();
            promptShown_ = false;
            actions_.KeySound();
            return;
        }
        if (code == key::Go) {
            actions_.KeySound();
            actions_.RequestRun();
        } else {
            actions_.SendKey(code);
        }
        return;
    }
    if (procedureBeingDefined > 0) {
        actions_.RefuseClearMemory();
        return;
    }
    if (timerRunning_) {
        RemovePrompt();
        actions_.KeySound();
        actions_.SendKey(key::ClearMemory);
        return;
    }
    for (int i = 0; i < 4; ++i)
        actions_.KeySound();
    actions_.ShowClearPrompt();
    promptShown_ = true;
    actions_.StartClearTimer();
    timerRunning_ = true;
}

int KeyForKeyboard(std::string_view name) {
    if (name.size() == 1) {
        const char c = name[0];
        if (c >= '0' && c <= '9')
            return key::Digit0 + (c - '0');
        switch (c) {
        case 'r':
        case 'R':
            return key::Repeat;
        case 'p':
        case 'P':
            return key::Procedure;
        case 'w':
        case 'W':
            return key::Wait;
        case 'q':
        case 'Q':
            return key::Quaver;
        case 'm':
        case 'M':
            return key::Motor;
        case 's':
        case 'S':
            return key::Sense;
        case 't':
        case 'T':
            return key::Toggle;
        case '[':
        case ']':
            return key::Bracket;
        default:
            return -1;
        }
    }
    const std::pair<std::string_view, int> named[] = {
        {"ArrowUp", key::Forward},  {"ArrowDown", key::Back},       {"ArrowLeft", key::Left},
        {"ArrowRight", key::Right}, {"Backspace", key::ClearEntry}, {"Enter", key::Go}};
    for (const auto& [keyName, code] : named)
        if (name == keyName)
            return code;
    return -1;
}

void KeypadRules::TimerFired() {
    RemovePrompt();
}

} // namespace zf
