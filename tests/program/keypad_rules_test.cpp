#include "program/box_input.h"
#include "program/key_entry.h"
#include "program/keypad_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
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

    // What one click does, while running or defining or neither.
    Calls click(int code, bool running = false, int defining = 0) {
        log.calls.clear();
        rules.Click(code, running, defining);
        return log.calls;
    }
};

TEST_F(KeypadClicks, ClearMemoryNeedsASecondPressInTimeAnotherKeyOrTheTimerOnlyRemovesThePrompt) {
    const Calls prompt{"sound", "sound", "sound", "sound", "prompt", "timer"};
    EXPECT_EQ(click(key::ClearMemory), prompt);
    EXPECT_EQ(click(key::ClearMemory), (Calls{"untimer", "unprompt", "sound", "key 16"}));
    EXPECT_FALSE(rules.promptShown());
    click(key::ClearMemory);
    EXPECT_EQ(click(key::Digit0 + 3), (Calls{"untimer", "unprompt", "sound"}));
    EXPECT_EQ(click(key::Digit0 + 3), (Calls{"key 243"}));
    click(key::ClearMemory);
    rules.TimerFired();
    EXPECT_FALSE(rules.promptShown());
    EXPECT_EQ(click(key::ClearMemory), prompt);
}

TEST_F(KeypadClicks, RunsDefinitionsAndGo) {
    EXPECT_EQ(click(key::Forward, true), (Calls{"sound", "stop"}));
    EXPECT_EQ(click(key::ClearMemory, false, 4), (Calls{"refuse"}));
    EXPECT_EQ(click(key::Go), (Calls{"sound", "run"}));
}

TEST(HeadingBoxes, FollowEachOtherAndStayInACircle) {
    std::vector<int> opposite;
    for (const char* box : {"90", "0", "", "360", "400"})
        opposite.push_back(OppositeHeading(box));
    EXPECT_EQ(opposite, (std::vector<int>{270, 360, 360, 0, 320}));
    EXPECT_EQ(std::tuple(HeadingFromBox("400"), HeadingFromBox("45.7")), std::tuple(40, 45));
    EXPECT_EQ(HeadingFromBox(std::to_string(OppositeHeading("999"))), 81);
}

// The desktop's Qt keys and the browser's key names key the same program.
TEST(KeyboardKeys, ArrowsDigitsLettersInEitherCaseAndNothingElse) {
    std::vector<int> codes;
    for (const char* name : {"ArrowUp", "ArrowRight", "7", "r", "P", "]", "Enter", "Backspace"})
        codes.push_back(KeyForKeyboard(name));
    EXPECT_EQ(codes, (std::vector<int>{key::Forward, key::Right, key::Digit0 + 7, key::Repeat,
                                       key::Procedure, key::Bracket, key::Go, key::ClearEntry}));
    for (const char* name : {"x", "Up", "Escape", " ", "", "rr", "{"})
        EXPECT_EQ(KeyForKeyboard(name), -1) << name;
}

// The boxes read numbers as the standard library's from_chars does, which
// not every standard library has for a double.
TEST(DecimalBoxes, ReadTheLeadingNumberAndRefuseWhatCannotBeHeld) {
    const std::pair<const char*, double> cases[] = {
        {"  12.50", 12.5}, {".5", 0.5},    {"5.", 5},     {"-.5", -0.5},
        {"1e", 1},         {"1e+5x", 1e5}, {"12..3", 12}, {"1,5", 1},
        {"0x10", 0},       {"+1", 0},      {".", 0},      {"", 0},
        {"1e400", 0},      {"-1e400", 0},  {"1e-400", 0}, {"4.9e-324", 4.9e-324},
        {"7E-1 ", 0.7},    {"12", 12}};
    for (const auto& [box, value] : cases) {
        EXPECT_EQ(ReadDecimalBox(box), value) << box;
#if defined(__cpp_lib_to_chars)
        const std::string_view text(box);
        const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
        double expected = 0;
        std::from_chars(text.data() + start, text.data() + text.size(), expected);
        EXPECT_EQ(ReadDecimalBox(box), expected) << box;
#endif
    }
    EXPECT_TRUE(std::isinf(ReadDecimalBox("-Infinity")) && ReadDecimalBox("-Infinity") < 0);
    EXPECT_TRUE(std::isnan(ReadDecimalBox("nan(x1)")));
    EXPECT_TRUE(std::isinf(ReadDecimalBox("inf")) && std::isnan(ReadDecimalBox("NaN")));
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
