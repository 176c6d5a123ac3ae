#include "program/box_input.h"

#include <gtest/gtest.h>

#include <string>

namespace zf {
namespace {

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
