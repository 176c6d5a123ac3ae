#include "conventions.h"

#include "files/file_io.h"
#include "files/paths.h"

#include <cstdio>

namespace zfield {

namespace {

std::string gUserDirectory;

} // namespace

int Fail(int status, const char* command, const std::string& text) {
    std::fprintf(stderr, "zfield %s: %s\n", command, text.c_str());
    return status;
}

void RememberUserDirectory() {
    gUserDirectory = zf::AbsolutePath(".");
}

std::string UserPath(const std::string& path) {
    if (path.empty() || path.front() == '/' || gUserDirectory.empty())
        return path;
    return zf::JoinPath(gUserDirectory, path);
}

bool NonEmptyFileName(const char* command, const char* what, const std::string& name) {
    if (!name.empty())
        return true;
    Fail(kExitUsage, command, std::string("an empty file name was given for ") + what);
    return false;
}

int WriteOutputFile(const char* command, const std::string& path,
                    std::span<const std::uint8_t> bytes) {
    if (!zf::WriteFileAtomically(path, bytes))
        return Fail(kExitFailed, command, "cannot write " + path + " (nothing was changed)");
    return kExitOk;
}

} // namespace zfield
