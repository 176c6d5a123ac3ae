#pragma once

#include "files/ini_file.h"
#include "files/project.h"

#include <string>
#include <vector>

namespace zf {

inline constexpr const char* kOptionsFileName = "zfield.ini";

// The user's own options file: $XDG_CONFIG_HOME/zarnikfield/zfield.ini, with
// ~/.config standing in for an unset XDG_CONFIG_HOME; "" without a home.
std::string UserOptionsFilePath();

// The options file to read. A writable "zfield.ini" in the program folder is
// a portable copy and wins; otherwise the user's file, and until the user has
// one, a read-only copy in the program folder (a school's own defaults).
std::string OptionsFilePath(const Project& project);

// Where repairs go: the portable copy when there is one, else the user's
// file, created with its folder on the first write.
std::string OptionsSavePath(const Project& project);
bool SaveOptionsFile(const Project& project, const IniFile& ini);

// The `tooltips` section of the options file.
struct TooltipOptions {
    bool show = true;
    int delay = 0; // ms
};

// Reads `show` (0 or 1, default 1) and `delay` (0..10000 ms, default 0). A
// bad `show` reads as 1 and "1" is written back; a bad `delay` reads as 1
// for this run and "0" is written back. Repairs go into `ini` and set
// `repaired`; a missing key is never written.
TooltipOptions ReadTooltipOptions(IniFile& ini, bool& repaired);

// The `recent` section: the programs and projects last opened or saved,
// newest first, as `file1` to `file8`.
inline constexpr int kRecentFiles = 8;
std::vector<std::string> ReadRecentFiles(const IniFile& ini);
// Puts a path first; an older entry of the same path and the ninth go.
void AddRecentFile(IniFile& ini, const std::string& path);
void RemoveRecentFile(IniFile& ini, const std::string& path);

} // namespace zf
