#include "files/paint_package.h"

#include "files/ini_file.h"
#include "files/options_file.h"
#include "files/paths.h"
#include "program/texts.h"
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

bool IsWindowsPaint(std::string_view program) {
    return EqualsIgnoringCase(program, "mspaint") || EqualsIgnoringCase(program, "mspaint.exe");
}

// A program named with Windows separators is looked for as stored paths are.
std::string NativeProgram(const std::string& program) {
    if (IsWindowsPaint(program))
        return DefaultPaintProgram();
    return program.find('\\') != std::string::npos ? ResolvePath(program) : program;
}

std::string ProgramFromIni(const IniFile& ini, const char* key) {
    std::string value = ini.GetString("paint package", key, "mspaint");
    return IsWindowsPaint(value) ? DefaultPaintProgram() : value;
}

} // namespace

void StartedPrograms::ReapFinished() {
    std::erase_if(started_, [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
}

int StartedPrograms::Start(const std::string& program, const std::vector<std::string>& arguments,
                           pid_t* child) {
    ReapFinished();
    if (program.empty())
        return kStartFileNotFound;
#ifdef __EMSCRIPTEN__
    // A browser starts no programs: each is as good as missing.
    (void)arguments;
    (void)child;
    return StartResultOf(ENOENT, program);
#else
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
#ifdef POSIX_SPAWN_SETSID
    // Its own session, so that closing our terminal leaves the picture open.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
#endif
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    int error = posix_spawnp(&pid, program.c_str(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0)
        return StartResultOf(error, program);
    started_.push_back(pid);
    if (child)
        *child = pid;
    return kProgramStarted;
#endif
}

ProgramStarter StartedPrograms::Starter() {
    return [this](const std::string& program, const std::vector<std::string>& arguments) {
        return Start(program, arguments);
    };
}

std::vector<std::string> SplitCommandLine(std::string_view command) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (char c : command) {
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                word += c;
        } else if (c == '"' || c == '\'') {
            quote = c;
            inWord = true;
        } else if (c == ' ' || c == '\t') {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::vector<std::string> PaintCommandWords(const std::string& value) {
    const std::string whole = NativeProgram(value);
    if (PathExists(whole) && !DirectoryExists(whole))
        return {whole};
    std::vector<std::string> words = SplitCommandLine(value);
    if (!words.empty())
        words[0] = NativeProgram(words[0]);
    return words;
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
    for (const std::string& command : programs) {
        std::vector<std::string> words = PaintCommandWords(command);
        const std::string program = words.empty() ? std::string() : words.front();
        std::vector<std::string> arguments;
        if (!words.empty())
            arguments.assign(words.begin() + 1, words.end());
        arguments.push_back(bitmapPath);
        result = start(program, arguments);
        if (result >= 32)
            return true;
    }
    if (result == kStartFileNotFound)
        ui.WarningBox(kUnnumbered, Translated(unnumbered::kPaintFileNotFound));
    else if (result == kStartPathNotFound)
        ui.WarningBox(kUnnumbered, Translated(unnumbered::kPaintInvalidPath));
    else
        ui.WarningBox(kUnnumbered, FormatText(Translated(unnumbered::kPaintStartError),
                                              {static_cast<long long>(result)}));
    return false;
}

bool StartPaintPackage(UserInterface& ui, const Project& project, const std::string& bitmapPath,
                       const ProgramStarter& start) {
    return StartPaintPackage(ui, bitmapPath, ReadPaintPackagePrograms(OptionsFilePath(project)),
                             start);
}

} // namespace zf
