#include "program/box_input.h"

#include <algorithm>
#include <charconv>

namespace zf {

bool NumericFilterPassesCharacter(char32_t c) {
    return (c >= U'0' && c <= U'9') || c == U'.' || c == U'\b' || c == 0x1B || c == 0x01;
}

bool NumericFilterPassesKey(BoxKey key) {
    return key != BoxKey::Other;
}

double ReadDecimalBox(std::string_view text) {
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return 0;
    double value = 0;
    const char* first = text.data() + start;
    if (std::from_chars(first, text.data() + text.size(), value).ec != std::errc())
        return 0;
    return value;
}

int ReadWholeBox(std::string_view text) {
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        // Five characters at most, but no box may overflow whatever it holds.
        value = std::min(value * 10 + (c - '0'), 1000000LL);
    }
    return static_cast<int>(value);
}

int HeadingFromBox(std::string_view box) {
    return ReadWholeBox(box) % 360;
}

int OppositeHeading(std::string_view box) {
    const int value = ReadWholeBox(box);
    return 360 - (value > 360 ? value % 360 : value);
}

} // namespace zf
