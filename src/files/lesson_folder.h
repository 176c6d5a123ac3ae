#pragma once

#include "files/project_data.h"
#include "files/project_folder.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zf {

// True when a folder holds all four picture sub-folders: a project folder
// that can be moved whole.
bool IsLessonFolder(const std::string& folder);

// The folder a 2.0 project's pictures are taken from: the project file's
// own when it holds them all (a lesson copied whole, wherever the folder it
// was saved from is); else the stored folder; else, when that is not here
// (the project was moved, or saved on another machine) or none is stored,
// as in the bundled examples, the project file's folder after all.
std::string ProjectPictureFolder(const ProjectData& data, const std::string& path);

// True when two folder paths name the same folder.
bool SameFolder(const std::string& a, const std::string& b);

// Copies the files of the picture sub-folders of `from` into the same
// sub-folders of `to`, making all four; a file already there is kept. The
// answer names what could not be copied ("pens/redwide.bmp", or a
// sub-folder that could not be made).
std::vector<std::string> CopyProjectPictures(const std::string& from, const std::string& to);

// Copies the Go Program a project names (by its file name) and every other
// Go Program beside it, a bundled activity's answers, from folder `from`
// into folder `to`, never replacing one there.
void CopyGoPrograms(const std::string& from, const std::string& to, std::string_view name);

// Copies a predefined project of the binary forms into the work folder: its
// picture sub-folders (merged, never replacing), its Go Program `goProgram`
// from beside it, then the project file as PlacePredefinedCopy does.
// Nothing when there is no work folder.
std::optional<PredefinedCopy> CopyPredefinedLesson(std::string_view projectPath,
                                                   std::string_view goProgram,
                                                   const ChangedCopyChoice& choose,
                                                   DebugLog* log = nullptr);

// Where a save dialog starts: `preferred`, else the project folder, when
// the user may write there and it is not one of the program's own; else the
// work folder, made when missing; else the home folder. Ends in a separator.
std::string SaveDialogFolder(const Project& project, const std::string& preferred = {});

} // namespace zf
