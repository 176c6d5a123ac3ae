#pragma once

#include "program/text_ids.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace zf {

// A value filled into a message: %d takes an integer, %s a string,
// %.1f and %.3g a number.
using TextArg = std::variant<long long, double, std::string>;

// Id used for messages that have no number in the string table.
inline constexpr TextId kUnnumbered = TextId::Unnumbered;

// The raw text of a string id, or an empty view when the id has no text.
std::string_view TextOf(TextId id);
bool HasText(TextId id);

// Fills %d, %s, %.1f, %.3g (and %% ) as the C formats do; a conversion with
// no argument left, or of the wrong kind, is filled from what was given
// without ever reading past the arguments.
std::string FormatText(std::string_view format, std::initializer_list<TextArg> args);

// The user's language. Every text the core shows passes its English form
// through the installed translator before its placeholders are filled; the
// translation keeps the placeholders in their order. With none installed (the
// command line without Qt, the tests) the texts stay English. Translations
// are UTF-8, of which the English texts are the ASCII part.
using TextTranslator = std::string (*)(const char* english);
void SetTextTranslator(TextTranslator translator);
std::string Translated(const char* english);

// The text of an id in the user's language with its arguments filled in;
// TextOf keeps the English, for what is stored in files.
std::string Text(TextId id, std::initializer_list<TextArg> args = {});

} // namespace zf
