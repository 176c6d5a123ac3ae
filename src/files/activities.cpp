#include "files/activities.h"

#include "files/file_io.h"
#include "files/go_program_file.h"
#include "files/ini_file.h"
#include "files/paths.h"
#include "files/project_folder.h"

#include <dirent.h>

#include <algorithm>

namespace zf {

namespace {

std::vector<std::string> ProjectFiles(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            if (MatchesPattern(entry->d_name, "*.zfp"))
                names.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos)
            end = text.size();
        std::string item = text.substr(start, end - start);
        item.erase(0, item.find_first_not_of(' '));
        item.erase(item.find_last_not_of(' ') + 1);
        if (!item.empty())
            items.push_back(item);
        start = end + 1;
    }
    return items;
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && !IsPathSeparator(folder.back()))
        folder += kFolderSeparator;
    return folder;
}

} // namespace

std::string FindBundledFolder(const Project& project, std::string_view name) {
    const std::string& program = project.programFolder;
    const std::string beside = program + std::string(name) + kFolderSeparator;
    const std::string shared =
        program + "../share/zarnikfield/" + std::string(name) + kFolderSeparator;
    if (!DirectoryExists(beside) && DirectoryExists(shared))
        return shared;
    return beside;
}

std::vector<Activity> ReadActivities(const std::string& folder) {
    const std::string base = WithSeparator(folder);
    const IniFile catalogue = IniFile::Load(base + "activities.ini");
    std::vector<std::string> files = ProjectFiles(base);
    std::vector<std::string> ordered;
    for (const std::string& name : SplitList(catalogue.GetString("activities", "order", ""))) {
        auto found = std::find_if(files.begin(), files.end(), [&](const std::string& f) {
            return EqualsIgnoringCase(f, name);
        });
        if (found != files.end()) {
            ordered.push_back(*found);
            files.erase(found);
        }
    }
    ordered.insert(ordered.end(), files.begin(), files.end());

    std::vector<Activity> activities;
    for (const std::string& name : ordered) {
        Activity a;
        a.project = base + name;
        a.title = catalogue.GetString(name, "title", name.substr(0, name.size() - 4));
        a.description = catalogue.GetString(name, "description", "");
        activities.push_back(std::move(a));
    }
    return activities;
}

bool PreviewProject(ProjectScene& scene, const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(path, bytes) != ReadResult::Ok)
        return false;
    ProjectData data;
    std::string folder = FolderPart(path);
    const std::string header = bytes.size() >= kFileHeaderSize ? HeaderText(bytes) : "";
    if (header == kProjectV2Header || header == kProjectV1Header) {
        const bool ok =
            header == kProjectV2Header ? ParseProjectV2(bytes, data) : ParseProjectV1(bytes, data);
        if (!ok)
            return false;
        const std::string stored = WithSeparator(ToNativePath(data.folder));
        if (data.form == ProjectForm::V2 && DirectoryExists(ResolvePath(stored)))
            folder = stored;
    } else {
        const IniFile ini = IniFile::Parse(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        if (!CheckIfZFieldProjectIni(ini))
            return false;
        data = ParseProjectIni(ini);
        folder = WithSeparator(folder + ToNativePath(data.folder));
    }
    scene.project.SetFromPath(WithSeparator(folder));
    scene.objects.Clear();
    SetFloorSize(scene, data.floorWidthSteps, data.floorHeightSteps);
    SetZarnikShape(scene, data.shape);
    SetZarnikPosition(scene, data.x, data.y);
    // Set either way: the scene may show the project previewed before.
    SetZarnikFlipped(scene, data.mirrored != 0);
    SetZarnikHeading(scene, data.heading);
    if (!data.background.empty())
        SetBackground(scene, data.background);
    ReplacePenTrail(scene, data.trail);
    CreateProjectObjects(scene, data.objects);
    return true;
}

} // namespace zf
