#include "files/paint_package.h"

#include "files/ini_file.h"
#include "files/options_file.h"
#include "files/paths.h"
#include "program/unnumbered_texts.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace zf {

namespace {

#ifdef _WIN32
constexpr const char* kPaintFallback = "mspaint";
#else
constexpr const char* kPaintFallback = "xdg-open";
constexpr const char* kPaintCandidates[] = {"pinta", "kolourpaint", "mtpaint", "gimp", "krita"};
#endif

// Started programs are waited for on the next start, so none stays a zombie.
std::vector<pid_t> gStarted;

void ReapFinishedPrograms() {
    std::erase_if(gStarted, [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
}

bool FoundOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "";
    while (!dirs.empty()) {
        std::size_t end = dirs.find(':');
        std::string dir(dirs.substr(0, end));
        dirs = end == std::string_view::npos ? std::string_view() : dirs.substr(end + 1);
        if (!dir.empty() && access(JoinPath(dir, name).c_str(), X_OK) == 0)
            return true;
    }
    return false;
}

int StartResultOf(int error, const std::string& program) {
    switch (error) {
    case ENOENT: {
        std::string folder = FolderPart(program);
        return folder.empty() || DirectoryExists(folder) ? kStartFileNotFound : kStartPathNotFound;
    }
    case ENOTDIR:
        return kStartPathNotFound;
    case EACCES:
        return 5;
    case ENOEXEC:
        return 11;
    case ENOMEM:
        return 0;
    default:
        return error;
    }
}

std::string ProgramFromIni(const IniFile& ini, const char* key) {
    std::string value = ini.GetString("paint package", key, "mspaint");
    if (EqualsIgnoringCase(value, "mspaint") || EqualsIgnoringCase(value, "mspaint.exe"))
        return DefaultPaintProgram();
    return value.find('\\') != std::string::npos ? ResolvePath(value) : value;
}

} // namespace

int StartProgram(const std::string& program, const std::string& argument, pid_t* child) {
    ReapFinishedPrograms();
    if (program.empty())
        return kStartFileNotFound;
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
#ifdef POSIX_SPAWN_SETSID
    // Its own session, so that closing our terminal leaves the picture open.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
#endif
    std::vector<char*> argv = {const_cast<char*>(program.c_str()),
                               const_cast<char*>(argument.c_str()), nullptr};
    pid_t pid = 0;
    int error = posix_spawnp(&pid, program.c_str(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0)
        return StartResultOf(error, program);
    gStarted.push_back(pid);
    if (child)
        *child = pid;
    return kProgramStarted;
}

std::string DefaultPaintProgram() {
#ifndef _WIN32
    for (const char* candidate : kPaintCandidates)
        if (FoundOnPath(candidate))
            return candidate;
#endif
    return kPaintFallback;
}

std::array<std::string, 3> ReadPaintPackagePrograms(const std::string& iniPath) {
    IniFile ini = IniFile::Load(iniPath);
    return {ProgramFromIni(ini, "paint1"), ProgramFromIni(ini, "paint2"),
            ProgramFromIni(ini, "paint3")};
}

bool StartPaintPackage(UserInterface& ui, const std::string& bitmapPath,
                       const std::array<std::string, 3>& programs, const ProgramStarter& start) {
    int result = 0;
    for (const std::string& program : programs) {
        result = start(program, bitmapPath);
        if (result >= 32)
            return true;
    }
    if (result == kStartFileNotFound)
        ui.WarningBox(kUnnumbered, unnumbered::kPaintFileNotFound);
    else if (result == kStartPathNotFound)
        ui.WarningBox(kUnnumbered, unnumbered::kPaintInvalidPath);
    else
        ui.WarningBox(kUnnumbered,
                      FormatText(unnumbered::kPaintStartError, {static_cast<long long>(result)}));
    return false;
}

bool StartPaintPackage(UserInterface& ui, const std::string& bitmapPath,
                       const ProgramStarter& start) {
    return StartPaintPackage(ui, bitmapPath, ReadPaintPackagePrograms(OptionsFilePath()), start);
}

bool StartPaintPackage(UserInterface& ui, const std::string& bitmapPath) {
    return StartPaintPackage(ui, bitmapPath,
                             [](const std::string& program, const std::string& argument) {
                                 return StartProgram(program, argument);
                             });
}

} // namespace zf
