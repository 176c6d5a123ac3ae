#include "conventions.h"

#include "files/file_io.h"
#include "files/paths.h"
#include "language.h"
#include "program/key_sequence.h"

#include <charconv>
#include <cstdio>

namespace zfield {

namespace {

std::string gUserDirectory;

} // namespace

int Fail(int status, const char* command, const std::string& text) {
    std::fprintf(stderr, "zfield %s: %s\n", command, zf::Printable(text).c_str());
    return status;
}

int Fail(int status, const char* command, const char* english,
         std::initializer_list<zf::TextArg> args) {
    return Fail(status, command, Tr(english, args));
}

void RememberUserDirectory() {
    gUserDirectory = zf::AbsolutePath(".");
}

std::string UserPath(const std::string& path) {
    if (path.empty() || path.front() == '/' || gUserDirectory.empty())
        return path;
    return zf::JoinPath(gUserDirectory, path);
}

bool ParseWholeNumber(const std::string& text, long long min, long long max, long long& value) {
    const char* end = text.data() + text.size();
    long long n = 0;
    const auto [stop, error] = std::from_chars(text.data(), end, n);
    if (text.empty() || error != std::errc() || stop != end || n < min || n > max)
        return false;
    value = n;
    return true;
}

bool ParseNumberPair(const std::string& text, char separator, long long min, long long max,
                     long long& first, long long& second) {
    const std::size_t at = text.find(separator);
    return at != std::string::npos && ParseWholeNumber(text.substr(0, at), min, max, first) &&
           ParseWholeNumber(text.substr(at + 1), min, max, second);
}

bool NonEmptyFileName(const char* command, const char* what, const std::string& name) {
    if (!name.empty())
        return true;
    Fail(kExitUsage, command, QT_TRANSLATE_NOOP("zfield", "an empty file name was given for %s"),
         {what});
    return false;
}

int WriteOutputFile(const char* command, const std::string& path,
                    std::span<const std::uint8_t> bytes) {
    if (!zf::WriteFileAtomically(path, bytes))
        return Fail(kExitFailed, command,
                    QT_TRANSLATE_NOOP("zfield", "cannot write %s (nothing was changed)"), {path});
    return kExitOk;
}

} // namespace zfield
