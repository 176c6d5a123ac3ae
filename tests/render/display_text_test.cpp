#include "render/display_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zf {
namespace {

TEST(MessageBoxText, HoldsAtMost255LettersHoweverManyBytesEachTakes) {
    // Arabic letters take two bytes each: 200 of them are 400 bytes and all stay.
    std::string arabic;
    for (int i = 0; i < 200; ++i)
        arabic += "\u0645";
    EXPECT_EQ(BoxMessage(arabic), QString(200, QChar(0x0645)));

    EXPECT_EQ(BoxMessage(std::string(300, 'a')), QString(255, 'a'));

    // A letter outside the basic plane is never cut in half.
    const QString cut = BoxMessage(std::string(254, 'a') + "\U0001F600");
    EXPECT_EQ(cut, QString(254, 'a'));

    // Bytes that are not UTF-8 are the program's own 8-bit characters.
    EXPECT_EQ(BoxMessage("caf\xe9"), QString::fromUtf8("caf\u00e9"));
}

} // namespace
} // namespace zf
