#include "files/options_file.h"

#include "files/file_io.h"
#include "files/paths.h"
#include "files/project_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace zf {

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string RecentKey(int i) {
    return "file" + std::to_string(i + 1);
}

void WriteRecentFiles(IniFile& ini, const std::vector<std::string>& files) {
    for (int i = 0; i < kRecentFiles; ++i)
        ini.SetString("recent", RecentKey(i),
                      i < static_cast<int>(files.size()) ? files[static_cast<std::size_t>(i)] : "");
}

std::string ProgramOptionsFile(const Project& project) {
    return JoinPath(project.programFolder, kOptionsFileName);
}

// A file marked read-only counts as such even for the superuser, who could
// write it anyway, so that a school's defaults are never changed in place.
bool IsWritableFile(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || (info.st_mode & 0222) == 0)
        return false;
    // The file is replaced through a temporary file beside it.
    return access(path.c_str(), W_OK) == 0 && access(FolderPart(path).c_str(), W_OK) == 0;
}

} // namespace

std::string UserOptionsFilePath() {
    std::string config = Env("XDG_CONFIG_HOME");
    // Relative values are to be ignored.
    if (config.empty() || config.front() != '/') {
        const std::string home = Env("HOME");
        if (home.empty())
            return {};
        config = JoinPath(home, ".config");
    }
    return JoinPath(JoinPath(config, "zarnikfield"), kOptionsFileName);
}

std::string OptionsFilePath(const Project& project) {
    const std::string portable = ProgramOptionsFile(project);
    if (IsWritableFile(portable))
        return portable;
    const std::string user = UserOptionsFilePath();
    if (!user.empty() && FileExists(user))
        return user;
    return FileExists(portable) || user.empty() ? portable : user;
}

std::string OptionsSavePath(const Project& project) {
    const std::string portable = ProgramOptionsFile(project);
    if (IsWritableFile(portable))
        return portable;
    return UserOptionsFilePath();
}

bool SaveOptionsFile(const Project& project, const IniFile& ini) {
    const std::string path = OptionsSavePath(project);
    if (path.empty())
        return false;
    const std::string folder = FolderPart(path);
    // The folder part ends in a separator, so its last folder is made too.
    for (std::size_t pos = 1; pos < folder.size(); ++pos)
        if (IsPathSeparator(folder[pos]))
            mkdir(folder.substr(0, pos).c_str(), 0700);
    return ini.Save(path);
}

TooltipOptions ReadTooltipOptions(IniFile& ini, bool& repaired) {
    TooltipOptions options;
    const long show = ini.GetInt("tooltips", "show", 1);
    if (show != 0 && show != 1) {
        ini.SetString("tooltips", "show", "1");
        repaired = true;
    }
    options.show = show != 0;
    const long delay = ini.GetInt("tooltips", "delay", 0);
    if (delay < 0 || delay > 10000) {
        ini.SetString("tooltips", "delay", "0");
        repaired = true;
        options.delay = 1;
    } else {
        options.delay = static_cast<int>(delay);
    }
    return options;
}

std::vector<std::string> ReadRecentFiles(const IniFile& ini) {
    std::vector<std::string> files;
    for (int i = 0; i < kRecentFiles; ++i) {
        std::string path = ini.GetString("recent", RecentKey(i), "");
        if (!path.empty() && std::find(files.begin(), files.end(), path) == files.end())
            files.push_back(std::move(path));
    }
    return files;
}

void AddRecentFile(IniFile& ini, const std::string& path) {
    std::vector<std::string> files = ReadRecentFiles(ini);
    std::erase(files, path);
    files.insert(files.begin(), path);
    WriteRecentFiles(ini, files);
}

void RemoveRecentFile(IniFile& ini, const std::string& path) {
    std::vector<std::string> files = ReadRecentFiles(ini);
    std::erase(files, path);
    WriteRecentFiles(ini, files);
}

} // namespace zf
