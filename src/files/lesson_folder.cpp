#include "files/lesson_folder.h"

#include "files/file_io.h"
#include "files/paths.h"
#include "simulation/graphic_objects.h"

#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace zf {

namespace {

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && !IsPathSeparator(folder.back()))
        folder += kFolderSeparator;
    return folder;
}

bool Writable(const std::string& folder) {
    return DirectoryExists(folder) && ::access(folder.c_str(), W_OK) == 0;
}

// The sub-folder as it is spelt in `folder` ("Zarniks" on a copy made on
// Windows), or made under its usual name.
std::string SubFolder(const std::string& folder, const char* sub) {
    const std::string found = ResolvePath(JoinPath(folder, sub));
    if (DirectoryExists(found))
        return found;
    const std::string made = JoinPath(folder, sub);
    CreateFolders(made);
    return made;
}

// True when a folder holds the four picture folders with every picture the
// project names: a lesson saved or copied whole.
bool HoldsProjectPictures(const std::string& folder, const ProjectData& data) {
    auto holds = [&](const char* sub, const std::string& name) {
        return name.empty() || FileExists(ResolvePath(JoinPath(JoinPath(folder, sub), name)));
    };
    return IsLessonFolder(folder) && holds("zarniks", data.shape) &&
           std::all_of(data.objects.begin(), data.objects.end(), [&](const ProjectObject& o) {
               return o.kind == objectkind::Background ? holds("backgnds", o.name)
                      : o.kind == objectkind::Stamp    ? holds("objects", o.name)
                                                       : true;
           });
}

} // namespace

bool IsLessonFolder(const std::string& folder) {
    for (const char* sub : kProjectSubFolders)
        if (!DirectoryExists(ResolvePath(JoinPath(folder, sub))))
            return false;
    return true;
}

bool SameFolder(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(ResolvePath(a), ResolvePath(b), error);
}

std::vector<std::string> CopyProjectPictures(const std::string& from, const std::string& to) {
    std::vector<std::string> failed;
    if (SameFolder(from, to))
        return failed;
    for (const char* sub : kProjectSubFolders) {
        const std::string destination = SubFolder(to, sub);
        if (!DirectoryExists(destination)) {
            failed.emplace_back(sub);
            continue;
        }
        std::error_code error;
        std::filesystem::directory_iterator entry(ResolvePath(JoinPath(from, sub)), error);
        for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
            std::error_code notFile;
            if (!entry->is_regular_file(notFile))
                continue;
            const std::string name = entry->path().filename().string();
            const std::string target = JoinPath(destination, name);
            if (!PathExists(target) && !CopyFileNoReplace(entry->path().string(), target))
                failed.push_back(JoinPath(sub, name));
        }
    }
    return failed;
}

void CopyGoPrograms(const std::string& from, const std::string& to, std::string_view name) {
    const std::string program = FileNamePart(ToNativePath(name));
    if (!program.empty())
        CopyFileNoReplace(ResolvePath(JoinPath(from, program)), JoinPath(to, program));
    std::error_code error;
    std::filesystem::directory_iterator entry(ResolvePath(from), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::error_code notFile;
        const std::string found = entry->path().filename().string();
        if (entry->is_regular_file(notFile) && found.size() > 4 &&
            strcasecmp(found.c_str() + found.size() - 4, ".gop") == 0)
            CopyFileNoReplace(entry->path().string(), JoinPath(to, found));
    }
}

std::optional<PredefinedCopy> CopyPredefinedLesson(std::string_view projectPath,
                                                   std::string_view goProgram,
                                                   const ChangedCopyChoice& choose, DebugLog* log) {
    const std::optional<std::string> work = GetMyDocsZarnikfieldFolder();
    if (!work) {
        LogText(log, "GetMyDocsZarnikfieldFolder() failed");
        return std::nullopt;
    }
    CreateFolders(*work);
    if (!DirectoryExists(*work)) {
        LogText(log, "cannot create the work folder");
        return std::nullopt;
    }
    const std::string source = ResolvePath(FolderPart(projectPath));
    CopyProjectPictures(source, *work);
    CopyGoPrograms(source, *work, goProgram);
    return PlacePredefinedCopy(projectPath, WithSeparator(*work), choose, {*work, source}, nullptr,
                               log);
}

std::string SaveDialogFolder(const Project& project, const std::string& preferred) {
    for (const std::string& folder : {preferred, project.folder})
        if (!folder.empty() && !IsPreDefinedProject(project, folder) && Writable(folder))
            return WithSeparator(folder);
    if (const std::optional<std::string> work = GetMyDocsZarnikfieldFolder()) {
        CreateFolders(*work);
        if (Writable(*work))
            return WithSeparator(*work);
    }
    if (const char* home = std::getenv("HOME"); home && Writable(home))
        return WithSeparator(home);
    return project.folder;
}

std::string ProjectPictureFolder(const ProjectData& data, const std::string& path) {
    const std::string beside = FolderPart(path);
    if (HoldsProjectPictures(beside, data))
        return beside;
    const std::string stored = WithSeparator(data.folder);
    if (!stored.empty() && DirectoryExists(ResolvePath(stored)))
        return stored;
    return beside;
}

} // namespace zf
