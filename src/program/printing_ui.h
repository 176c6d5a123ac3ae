#pragma once

#include "program/user_interface.h"

#include <cstdio>
#include <deque>

namespace zf {

// The interface of the command-line tools: every message and question is
// printed as "! ID TEXT"; questions take their answers from a queue, No when
// it is empty.
class PrintingUi : public UserInterface {
  public:
    explicit PrintingUi(std::FILE* out = stdout) : out_(out) {}

    void WarningBox(TextId id, const std::string& text) override;
    Answer Ask(TextId id, const std::string& text, Buttons buttons) override;

    std::deque<Answer> answers;
    int messagesShown = 0;

  private:
    std::FILE* out_;
};

// "yes", "no", "cancel" or "edit", in any case.
bool ParseAnswer(const std::string& word, Answer& answer);

} // namespace zf
