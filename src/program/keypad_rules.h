#pragma once

#include <string_view>

namespace zf {

// What a keypad click leads to; the window carries these out.
class KeypadActions {
  public:
    virtual ~KeypadActions() = default;
    virtual void KeySound() = 0;
    // The refusal of CM while a definition is open (a warning box, which
    // plays the error sound itself).
    virtual void RefuseClearMemory() = 0;
    virtual void ShowClearPrompt() = 0;
    virtual void HideClearPrompt() = 0;
    virtual void StartClearTimer() = 0;
    virtual void StopClearTimer() = 0;
    // The key message towards the Go Container.
    virtual void SendKey(int key) = 0;
    virtual void RequestRun() = 0;
    virtual void RequestStop() = 0;
};

// The keypad's click rules: any key stops a run, CM needs a second press
// within the prompt's five seconds, and any other key only removes the prompt.
class KeypadRules {
  public:
    explicit KeypadRules(KeypadActions& actions) : actions_(actions) {}

    void Click(int key, bool runActive, int procedureBeingDefined);
    // The prompt's five seconds are over.
    void TimerFired();

    bool promptShown() const { return promptShown_; }
    bool timerRunning() const { return timerRunning_; }

  private:
    void RemovePrompt();

    KeypadActions& actions_;
    bool promptShown_ = false;
    bool timerRunning_ = false;
};

// The computer keyboard's keying: a character key by its character (digits,
// letters in either case, brackets), the others by the names browsers give
// them ("ArrowUp", "Backspace", "Enter"). -1 for a key that keys nothing.
int KeyForKeyboard(std::string_view key);

// The prompt stays up this long.
inline constexpr int kClearPromptMs = 5000;

} // namespace zf
