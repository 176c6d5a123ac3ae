#include "program/texts.h"

#include <gtest/gtest.h>

namespace zf {
namespace {

TEST(Texts, FillsTheCFormats) {
    EXPECT_EQ(FormatText("A %d is %s", {5LL, std::string("ok")}), "A 5 is ok");
    EXPECT_EQ(FormatText("%.1f|%.3g|%%", {2.25, 0.333333}), "2.2|0.333|%");
    EXPECT_EQ(FormatText("%.3g, %.3g", {-1.5, 12345.0}), "-1.5, 1.23e+04");
}

TEST(Texts, MissingArgumentsNeverReadPastTheList) {
    EXPECT_EQ(FormatText("%d and %s", {}), "0 and 0");
}

TEST(Texts, LooksUpById) {
    EXPECT_EQ(TextOf(30), "My Go Program.gop");
    EXPECT_FALSE(HasText(99999));
    EXPECT_EQ(TextOf(99999), "");
}

} // namespace
} // namespace zf
