#include "files/project_folder.h"

#include "files/file_io.h"
#include "files/paths.h"
#include "program/instruction.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace zf {

namespace {

std::string WithSeparator(std::string folder) {
    if (folder.empty() || !IsPathSeparator(folder.back()))
        folder += kFolderSeparator;
    return folder;
}

std::string CurrentDirectory() {
    std::vector<char> buffer(4096);
    if (getcwd(buffer.data(), buffer.size()) == nullptr)
        return {};
    return WithSeparator(buffer.data());
}

// ".." is resolved, since a stored folder must never climb.
std::string AbsoluteFolder(const std::string& folder) {
    return folder.empty() ? CurrentDirectory() : WithSeparator(AbsolutePath(folder));
}

// A relative name is taken from `base`, an absolute folder.
std::string FromFolder(const std::string& base, const std::string& native) {
    return native.empty() || native.front() == kFolderSeparator ? native : base + native;
}

std::string ExecutableFolder() {
    std::vector<char> buffer(4096);
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0)
        return CurrentDirectory();
    return FolderPart(std::string(buffer.data(), static_cast<std::size_t>(n)));
}

std::string EnvOrEmpty(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The value of the XDG_DOCUMENTS_DIR line of user-dirs.dirs, with $HOME
// expanded; relative values are relative to the home folder.
std::optional<std::string> DocumentsFromUserDirs(const std::string& home) {
    std::string config = EnvOrEmpty("XDG_CONFIG_HOME");
    if (config.empty())
        config = home + "/.config";
    std::ifstream in(config + "/user-dirs.dirs");
    std::string line;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    while (std::getline(in, line)) {
        std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0)
            continue;
        std::string value = line.substr(start + key.size());
        while (!value.empty() && (value.back() == '\r' || value.back() == ' '))
            value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0)
            value = home + value.substr(5);
        else if (!value.empty() && value.front() != '/')
            value = home + "/" + value;
        if (!value.empty())
            return value;
    }
    return std::nullopt;
}

// Names in a folder matching the pattern, "." and ".." left out, in the
// order the Windows file system lists them.
std::vector<std::string> FolderEntries(const std::string& folder, std::string_view pattern,
                                       bool* opened = nullptr) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (opened)
        *opened = dir != nullptr;
    if (dir == nullptr)
        return names;
    while (const dirent* entry = readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name != "." && name != ".." && MatchesPattern(name, pattern))
            names.emplace_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) {
                                                return std::tolower(static_cast<unsigned char>(x)) <
                                                       std::tolower(static_cast<unsigned char>(y));
                                            });
    });
    return names;
}

bool LeadsOutside(const std::string& relative) {
    if (relative.empty() || relative.front() == kFolderSeparator)
        return !relative.empty();
    std::size_t pos = 0;
    while (pos <= relative.size()) {
        std::size_t end = std::min(relative.find(kFolderSeparator, pos), relative.size());
        if (relative.compare(pos, end - pos, "..") == 0)
            return true;
        pos = end + 1;
    }
    return false;
}

} // namespace

void CreateFolders(const std::string& path) {
    for (std::size_t pos = 1; pos <= path.size(); ++pos)
        if (pos == path.size() || path[pos] == kFolderSeparator)
            mkdir(path.substr(0, pos).c_str(), 0777);
}

bool CopyFileNoReplace(const std::string& source, const std::string& destination) {
    int in = open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    int out = open(destination.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (out < 0) {
        close(in);
        return false;
    }
    bool ok = true;
    char buffer[32768];
    for (;;) {
        ssize_t n = read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        for (ssize_t done = 0; ok && done < n;) {
            ssize_t w = write(out, buffer + done, static_cast<std::size_t>(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            ok = w > 0;
            done += w > 0 ? w : 0;
        }
        if (!ok)
            break;
    }
    close(in);
    ok = close(out) == 0 && ok;
    if (!ok)
        unlink(destination.c_str());
    return ok;
}

Project::Project() : programFolder(InstalledProgramFolder()) {
    ResetToProgram();
}

void Project::SetFromPath(std::string_view path) {
    const std::string base = folder.empty() ? CurrentDirectory() : folder;
    folder = AbsoluteFolder(ResolvePath(FromFolder(base, ToNativePath(FolderPart(path)))));
    fileName = FileNamePart(path);
}

void Project::ResetToProgram() {
    folder = programFolder;
    fileName.clear();
}

void Project::SetProgramFolder(std::string_view given) {
    programFolder = WithSeparator(AbsoluteFolder(ToNativePath(given)));
}

std::string Project::Resolve(std::string_view name) const {
    return ResolvePath(FromFolder(folder, ToNativePath(name)));
}

std::string Project::Absolute(const std::string& given) const {
    return AbsolutePath(FromFolder(folder, given));
}

std::string InstalledProgramFolder() {
    // Installed, the program's files lie in the share folder beside bin;
    // in the build tree they lie beside the executable.
    const std::string executable = ExecutableFolder();
    const std::string installed = executable + "../share/zarnikfield";
    char* real = DirectoryExists(installed) ? realpath(installed.c_str(), nullptr) : nullptr;
    std::string folder = real ? WithSeparator(real) : executable;
    std::free(real);
    return folder;
}

std::string ProgramFilePath(const Project& project, std::string_view fileName) {
    const std::string& folder = project.programFolder;
    if (folder.size() + 13 >= kMaxPath)
        return folder;
    return ResolvePath(folder + std::string(fileName));
}

std::string ProgramFilePath(const Project& project, TextId textId) {
    return ProgramFilePath(project, Text(textId));
}

bool CheckProjectFolders(UserInterface& ui, std::string_view path) {
    const std::string folder = ResolvePath(FolderPart(path));
    if (folder.empty() || !DirectoryExists(folder) || ::access(folder.c_str(), X_OK) != 0)
        return false;
    std::string names;
    int missing = 0;
    for (const char* sub : kProjectSubFolders) {
        if (DirectoryExists(ResolvePath(JoinPath(folder, sub))))
            continue;
        ++missing;
        names += sub;
        names += std::string_view(sub) == "pens" ? "\n" : "\n\n";
    }
    if (missing == 0)
        return true;
    std::string text = missing == 1 ? Translated(unnumbered::kSubFolderMissing)
                                    : Translated(unnumbered::kSubFoldersMissing);
    text += missing < 4 ? Translated(unnumbered::kMayFunctionIncorrectly)
                        : Translated(unnumbered::kWillNotOpenProject);
    if (missing == 4)
        names += Translated(unnumbered::kProjectFoldersMend);
    ui.WarningBox(kUnnumbered, text + names);
    return missing < 4;
}

std::optional<std::string> GetDocumentsFolder() {
    std::string documents = EnvOrEmpty("XDG_DOCUMENTS_DIR");
    if (!documents.empty())
        return documents;
    std::string home = EnvOrEmpty("HOME");
    if (home.empty())
        return std::nullopt;
    if (auto fromUserDirs = DocumentsFromUserDirs(home))
        return fromUserDirs;
    return home + "/Documents";
}

std::optional<std::string> GetMyDocsZarnikfieldFolder() {
    std::optional<std::string> documents = GetDocumentsFolder();
    if (!documents)
        return std::nullopt;
    return JoinPath(*documents, kWorkFolderName);
}

bool IsPreDefinedProject(const Project& project, std::string_view projectPath) {
    std::string folder = AbsoluteFolder(ToNativePath(FolderPart(projectPath)));
    std::string program = project.programFolder;
    if (program.size() < 2)
        return false;
    program.pop_back();
    // The folder must be the program folder or one inside it, not a sibling
    // whose name merely begins the same way.
    return StartsWithIgnoringCase(folder, program) &&
           (folder.size() == program.size() || IsPathSeparator(folder[program.size()]));
}

std::optional<std::string> GetPathAtLevel(std::string_view relativePath, int level) {
    if (!relativePath.empty() && IsPathSeparator(relativePath.front()))
        relativePath.remove_prefix(1);
    if (level < 1 || relativePath.empty())
        return std::nullopt;
    std::size_t end = 0;
    for (int i = 0; i < level; ++i) {
        if (i > 0) {
            if (end >= relativePath.size() || end + 1 == relativePath.size())
                return std::nullopt;
            ++end;
        }
        while (end < relativePath.size() && !IsPathSeparator(relativePath[end]))
            ++end;
    }
    return std::string(relativePath.substr(0, end));
}

bool CopyFolderTree(const std::string& destination, const std::string& source, DebugLog* log) {
    if (!DirectoryExists(source)) {
        LogText(log, "CopyFolderTree(): source folder not found");
        return false;
    }
    CopyTree(destination, source, "*.*");
    LogText(log, "CopyFolderTree(): finished");
    return true;
}

bool CopyTree(const std::string& destination, const std::string& source, std::string_view pattern) {
    bool opened = false;
    std::vector<std::string> names = FolderEntries(source, pattern, &opened);
    if (!opened)
        return false;
    for (const std::string& name : names) {
        std::string from = JoinPath(source, name);
        std::string to = JoinPath(destination, name);
        struct stat link;
        struct stat target;
        if (lstat(from.c_str(), &link) != 0 || stat(from.c_str(), &target) != 0)
            continue;
        if (S_ISDIR(target.st_mode)) {
            // A linked folder could lead back into the tree: not followed.
            if (S_ISLNK(link.st_mode))
                continue;
            if (mkdir(to.c_str(), 0777) != 0)
                return false;
            CopyTree(to, from, pattern);
        } else if (S_ISREG(target.st_mode)) {
            CopyFileNoReplace(from, to);
        }
    }
    return true;
}

namespace {

// "island.zfp" kept as "island (old).zfp", or "(old 2)" and on when taken.
std::string FreeOldCopyName(const std::string& copy) {
    const std::string folder = FolderPart(copy);
    const std::string name = FileNamePart(copy);
    const std::size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
    for (int n = 1;; ++n) {
        std::string candidate =
            folder + stem + (n == 1 ? " (old)" : " (old " + std::to_string(n) + ")") + extension;
        if (!PathExists(candidate))
            return candidate;
    }
}

bool SameContents(const std::string& a, const std::string& b) {
    std::vector<std::uint8_t> first, second;
    return ReadWholeFile(a, first) != ReadResult::Ok ||
           ReadWholeFile(b, second) != ReadResult::Ok || first == second;
}

// Starting afresh: each file of the original whose copy was changed (the
// Go Program above all) is kept under a free "(old)" name and copied again.
void RenewChangedCopies(const std::string& destination, const std::string& source) {
    for (const std::string& name : FolderEntries(source, "*.*")) {
        const std::string from = JoinPath(source, name);
        const std::string to = JoinPath(destination, name);
        struct stat link;
        if (lstat(from.c_str(), &link) != 0)
            continue;
        if (S_ISDIR(link.st_mode))
            RenewChangedCopies(to, from);
        else if (S_ISREG(link.st_mode) && PathExists(to) && !SameContents(from, to) &&
                 ::rename(to.c_str(), FreeOldCopyName(to).c_str()) == 0)
            CopyFileNoReplace(from, to);
    }
}

} // namespace

std::optional<PredefinedCopy> CopyPredefinedProject(std::string_view projectPath,
                                                    std::string_view relpath,
                                                    const ChangedCopyChoice& choose,
                                                    WorkFolderProblem* problem, DebugLog* log) {
    WorkFolderProblem ignored;
    if (!problem)
        problem = &ignored;
    std::optional<std::string> work = GetMyDocsZarnikfieldFolder();
    if (!work) {
        LogText(log, "GetMyDocsZarnikfieldFolder() failed");
        problem->noWorkFolder = true;
        return std::nullopt;
    }
    std::string relative = ToNativePath(relpath);
    if (!relative.empty() && relative.back() == kFolderSeparator)
        relative.pop_back();
    if (LeadsOutside(relative)) {
        LogText(log, "relpath leads outside the work folder");
        return std::nullopt;
    }
    CreateFolders(*work);
    if (!DirectoryExists(*work) || ::access(work->c_str(), W_OK) != 0) {
        LogText(log, "cannot create the work folder");
        problem->unwritable = *work;
        return std::nullopt;
    }
    for (int level = 1;; ++level) {
        std::optional<std::string> partial = GetPathAtLevel(relative, level);
        if (!partial)
            break;
        std::string folder = JoinPath(*work, *partial);
        if (mkdir(folder.c_str(), 0777) != 0)
            LogText(log, "cannot create " + folder);
    }
    std::string projectFolder = ResolvePath(FolderPart(projectPath));
    std::string source = ResolvePath(JoinPath(projectFolder, relative));
    std::string destination = JoinPath(*work, relative);
    CopyFolderTree(destination, source, log);
    return PlacePredefinedCopy(projectPath, *work, choose, {destination, source}, problem, log);
}

std::optional<PredefinedCopy> PlacePredefinedCopy(std::string_view projectPath,
                                                  const std::string& folder,
                                                  const ChangedCopyChoice& choose,
                                                  const CopiedData& data,
                                                  WorkFolderProblem* problem, DebugLog* log) {
    WorkFolderProblem ignored;
    if (!problem)
        problem = &ignored;
    PredefinedCopy result;
    result.path = JoinPath(folder, FileNamePart(projectPath));
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(ResolvePath(projectPath), bytes) != ReadResult::Ok) {
        LogText(log, "cannot read the project file");
        return std::nullopt;
    }
    std::vector<std::uint8_t> existing;
    const ReadResult old = ReadWholeFile(result.path, existing);
    if (old == ReadResult::Ok && existing == bytes)
        return result;
    if (PathExists(result.path)) {
        const std::string kept = FreeOldCopyName(result.path);
        switch (choose(result.path, kept)) {
        case Answer::Yes:
            result.usersCopy = true;
            return result;
        case Answer::No:
            if (::rename(result.path.c_str(), kept.c_str()) == 0) {
                RenewChangedCopies(data.copy, data.original);
                break;
            }
            LogText(log, "cannot keep the changed copy");
            problem->unwritable = folder;
            return std::nullopt;
        default:
            result.cancelled = true;
            return result;
        }
    }
    if (!WriteFileAtomically(result.path, bytes)) {
        LogText(log, "cannot copy the project file");
        problem->unwritable = folder;
        return std::nullopt;
    }
    return result;
}

int CountFolderFiles(const Project& project, std::string_view subFolder, std::string_view pattern) {
    bool opened = false;
    const std::size_t found =
        FolderEntries(ResolvePath(project.folder + std::string(subFolder)), pattern, &opened)
            .size();
    return opened && found > 0 ? static_cast<int>(std::min<std::size_t>(found, 32767)) : -1;
}

std::vector<std::string> FolderFileNames(const Project& project, std::string_view subFolder,
                                         std::string_view pattern) {
    const std::string folder = ResolvePath(project.folder + std::string(subFolder));
    std::vector<std::string> names = FolderEntries(folder, pattern);
    // A name the project could not store again ("A:star.bmp" reads as a
    // drive) is not offered.
    std::erase_if(names, [&](const std::string& name) {
        struct stat entry;
        return !IsPlainFileName(name) || stat(JoinPath(folder, name).c_str(), &entry) != 0 ||
               !S_ISREG(entry.st_mode);
    });
    return names;
}

std::string FindProjectFile(const Project& project, std::string_view name) {
    if (name.empty())
        return {};
    std::string native = ToNativePath(name);
    if (native.front() == kFolderSeparator) {
        std::string path = ResolvePath(native);
        return FileExists(path) ? path : std::string();
    }
    std::string direct = ResolvePath(project.folder + native);
    if (FileExists(direct))
        return direct;
    if (native.find(kFolderSeparator) != std::string::npos)
        return {};
    for (const char* folder : kProjectSubFolders) {
        std::string path = ResolvePath(JoinPath(project.folder + folder, native));
        if (FileExists(path))
            return path;
    }
    return {};
}

} // namespace zf
