#include "program/box_input.h"
#include "program/key_entry.h"
#include "program/keypad_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zf {
namespace {

class Log : public KeypadActions {
  public:
    void KeySound() override { calls.push_back("sound"); }
    void RefuseClearMemory() override { calls.push_back("refuse"); }
    void ShowClearPrompt() override { calls.push_back("prompt"); }
    void HideClearPrompt() override { calls.push_back("unprompt"); }
    void StartClearTimer() override { calls.push_back("timer"); }
    void StopClearTimer() override { calls.push_back("untimer"); }
    void SendKey(int key) override { calls.push_back("key " + std::to_string(key)); }
    void RequestRun() override { calls.push_back("run"); }
    void RequestStop() override { calls.push_back("stop"); }
    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

struct KeypadClicks : ::testing::Test {
    Log log;
    KeypadRules rules{log};
};

TEST_F(KeypadClicks, ClearMemoryNeedsASecondPressInTime) {
    rules.Click(key::ClearMemory, false, 0);
    EXPECT_EQ(log.calls, (Calls{"sound", "sound", "sound", "sound", "prompt", "timer"}));
    log.calls.clear();
    rules.Click(key::ClearMemory, false, 0);
    EXPECT_EQ(log.calls, (Calls{"untimer", "unprompt", "sound", "key 16"}));
    EXPECT_FALSE(rules.promptShown());
}

TEST_F(KeypadClicks, AnotherKeyOrTheTimerOnlyRemovesThePrompt) {
    rules.Click(key::ClearMemory, false, 0);
    log.calls.clear();
    rules.Click(key::Digit0 + 3, false, 0);
    EXPECT_EQ(log.calls, (Calls{"untimer", "unprompt", "sound"}));
    log.calls.clear();
    rules.Click(key::Digit0 + 3, false, 0);
    EXPECT_EQ(log.calls, (Calls{"key 243"}));

    rules.Click(key::ClearMemory, false, 0);
    rules.TimerFired();
    EXPECT_FALSE(rules.promptShown());
    log.calls.clear();
    rules.Click(key::ClearMemory, false, 0);
    EXPECT_EQ(log.calls.back(), "timer");
    EXPECT_EQ(log.calls[4], "prompt");
}

TEST_F(KeypadClicks, RunsDefinitionsAndGo) {
    rules.Click(key::Forward, true, 0);
    EXPECT_EQ(log.calls, (Calls{"sound", "stop"}));
    log.calls.clear();
    rules.Click(key::ClearMemory, false, 4);
    EXPECT_EQ(log.calls, (Calls{"refuse"}));
    log.calls.clear();
    rules.Click(key::Go, false, 0);
    EXPECT_EQ(log.calls, (Calls{"sound", "run"}));
}

TEST(HeadingBoxes, FollowEachOtherAndStayInACircle) {
    EXPECT_EQ(OppositeHeading("90"), 270);
    EXPECT_EQ(OppositeHeading("0"), 360);
    EXPECT_EQ(OppositeHeading(""), 360);
    EXPECT_EQ(OppositeHeading("360"), 0);
    EXPECT_EQ(OppositeHeading("400"), 320);
    EXPECT_EQ(HeadingFromBox("400"), 40);
    EXPECT_EQ(HeadingFromBox("45.7"), 45);
    EXPECT_EQ(HeadingFromBox(std::to_string(OppositeHeading("999"))), 81);
}

TEST(NumericFilter, DigitsAndEditingKeysOnly) {
    for (char32_t c : {U'0', U'9', U'.', U'\b', char32_t(0x1B), char32_t(0x01)})
        EXPECT_TRUE(NumericFilterPassesCharacter(c));
    for (char32_t c : {U'a', U'Z', U'-', U' ', U'%', char32_t(0x16), U'\u00e9'})
        EXPECT_FALSE(NumericFilterPassesCharacter(c));
    EXPECT_TRUE(NumericFilterPassesKey(BoxKey::KeypadDigit));
    EXPECT_TRUE(NumericFilterPassesKey(BoxKey::DialogKey));
    EXPECT_FALSE(NumericFilterPassesKey(BoxKey::Other));
}

} // namespace
} // namespace zf
