#include "program/box_input.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace zf {

namespace {

bool StartsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != word[i])
            return false;
    return true;
}

std::size_t CountDigits(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    return end - from;
}

// The length of the leading "inf", "infinity" or "nan(chars)", or 0.
std::size_t SpecialValueLength(std::string_view text) {
    if (StartsWithWord(text, "infinity"))
        return 8;
    if (StartsWithWord(text, "inf"))
        return 3;
    if (!StartsWithWord(text, "nan"))
        return 0;
    std::size_t end = 3;
    if (end == text.size() || text[end] != '(')
        return 3;
    ++end;
    while (end < text.size() &&
           (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_'))
        ++end;
    return end < text.size() && text[end] == ')' ? end + 1 : 3;
}

// The length of the leading decimal number (digits, a point, an exponent), or
// 0 when there is none: what the standard library's from_chars takes.
std::size_t DecimalLength(std::string_view text) {
    std::size_t end = CountDigits(text, 0);
    std::size_t digits = end;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fraction = CountDigits(text, end + 1);
        digits += fraction;
        end += 1 + fraction;
    }
    if (digits == 0)
        return 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t count = CountDigits(text, exponent);
        if (count > 0)
            end = exponent + count;
    }
    return end;
}

} // namespace

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
    text.remove_prefix(start);
    const bool negative = text.front() == '-';
    const std::string_view unsigned_part = text.substr(negative ? 1 : 0);
    std::size_t length = SpecialValueLength(unsigned_part);
    const bool special = length > 0;
    if (!special)
        length = DecimalLength(unsigned_part);
    if (length == 0)
        return 0;
    // strtod reads the point of the user's locale, which a desktop sets from
    // the environment: a box always has '.', so it is turned into that point.
    std::string number(negative ? "-" : "");
    const std::string_view point = std::localeconv()->decimal_point;
    for (char c : unsigned_part.substr(0, length)) {
        if (c == '.')
            number += point;
        else
            number += c;
    }
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    // A number too large or too small to hold is unreadable.
    return errno == ERANGE && (std::isinf(value) || value == 0) ? 0 : value;
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
