#include "program/keypad_rules.h"

#include "program/key_entry.h"

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

void KeypadRules::TimerFired() {
    RemovePrompt();
}

} // namespace zf
