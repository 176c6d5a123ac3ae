#pragma once

#include "program/texts.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

// What every zfield command keeps to: exit statuses that say whether the
// command did what was asked, messages on standard error and results on
// standard output, paths taken from where zfield was started, and output
// files written whole or not at all.
namespace zfield {

inline constexpr int kExitOk = 0;     // the command did all that was asked
inline constexpr int kExitFailed = 1; // it could not, and a message says why
inline constexpr int kExitUsage = 2;  // the command line itself was wrong

// Prints "zfield COMMAND: TEXT" on standard error and answers `status`:
// a text made already, or an English one (marked for translation) shown in
// the chosen language with its placeholders filled.
int Fail(int status, const char* command, const std::string& text);
int Fail(int status, const char* command, const char* english,
         std::initializer_list<zf::TextArg> args = {});

// The working directory zfield was started in, taken before anything
// changes it (opening a project does).
void RememberUserDirectory();
// A path given on the command line, absolute against that directory: for
// every path a command uses after it may have opened a project.
std::string UserPath(const std::string& path);

// A number given on the command line: digits alone (a minus sign only
// where `min` is below 0), whole, from `min` to `max`. No space, plus sign
// or trailing character passes, and no number is read as another.
bool ParseWholeNumber(const std::string& text, long long min, long long max, long long& value);
// Two such numbers joined by `separator`, as in "10,8" or "800x600".
bool ParseNumberPair(const std::string& text, char separator, long long min, long long max,
                     long long& first, long long& second);

// A file name given as an argument or option value: false, after a usage
// message, when it is empty.
bool NonEmptyFileName(const char* command, const char* what, const std::string& name);

// Writes an output file (a picture, a printout) beside its target and
// renames it over it, so that a failed write never leaves a cut file or
// harms the old one. kExitOk, or kExitFailed after a message.
int WriteOutputFile(const char* command, const std::string& path,
                    std::span<const std::uint8_t> bytes);

} // namespace zfield
