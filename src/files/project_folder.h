#pragma once

#include "files/project.h"
#include "program/debug_log.h"
#include "program/user_interface.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zf {

// The project sub-folders, in the order they are checked.
inline constexpr const char* kProjectSubFolders[] = {"backgnds", "zarniks", "objects", "pens"};
inline constexpr const char* kWorkFolderName = "Zarnikfield Work";

// The program folder followed by the file; only the folder when the two
// together could reach the longest path.
std::string ProgramFilePath(const Project& project, std::string_view fileName);
std::string ProgramFilePath(const Project& project, TextId textId);

// Checks the four sub-folders of a project file's or folder's folder and
// warns about missing ones; true when the project may be opened. The path
// is absolute.
bool CheckProjectFolders(UserInterface& ui, std::string_view path);

// The documents folder: $XDG_DOCUMENTS_DIR, else the XDG_DOCUMENTS_DIR line
// of user-dirs.dirs, else ~/Documents. Nothing when there is no home.
std::optional<std::string> GetDocumentsFolder();
// The personal work folder inside the documents folder.
std::optional<std::string> GetMyDocsZarnikfieldFolder();

// True when the project file lies inside the program folder.
bool IsPreDefinedProject(const Project& project, std::string_view projectPath);

// The first `level` components of a relative path (a leading separator is
// skipped), or nothing when it has fewer.
std::optional<std::string> GetPathAtLevel(std::string_view relativePath, int level);

// Creates a folder and the missing folders above it.
void CreateFolders(const std::string& path);
// Copies one file, never replacing what is there; a partial copy is removed.
bool CopyFileNoReplace(const std::string& source, const std::string& destination);

// Copies a folder tree without ever replacing a file; a sub-folder that
// exists already stops its level. False when the source is no folder.
bool CopyFolderTree(const std::string& destination, const std::string& source,
                    DebugLog* log = nullptr);
bool CopyTree(const std::string& destination, const std::string& source, std::string_view pattern);

// What to open for a predefined project: the copy in the work folder, which
// may be the user's own changed one; or nothing, when the user cancelled.
struct PredefinedCopy {
    std::string path;
    bool usersCopy = false;
    bool cancelled = false;
};
// Decides over a changed copy (the copy's path, the name it would be kept
// under): Yes opens it, No starts afresh, Cancel opens nothing.
using ChangedCopyChoice = std::function<Answer(const std::string&, const std::string&)>;

// Why a predefined project could not be copied: there is no work folder
// (no home), or the folder named cannot be written (read-only, full).
struct WorkFolderProblem {
    bool noWorkFolder = false;
    std::string unwritable;
};

// Copies a predefined project into the work folder: the data under
// `relpath` (its stored `project`/`relpath` value) and the project file
// itself. A copy of the project file that differs from the original holds
// the user's work and is never overwritten: `choose` opens it, or keeps it
// under a free name "NAME (old).zfp" before the original is copied again,
// and so every changed copy of the data (its Go Program, its pictures).
// Nothing when there is no work folder, relpath would lead outside it or
// the file cannot be copied; `problem` then says what the work folder
// lacked.
std::optional<PredefinedCopy> CopyPredefinedProject(std::string_view projectPath,
                                                    std::string_view relpath,
                                                    const ChangedCopyChoice& choose,
                                                    WorkFolderProblem* problem = nullptr,
                                                    DebugLog* log = nullptr);

// Where a bundled project's data was copied from and to: starting afresh
// renews the changed copies there.
struct CopiedData {
    std::string copy;
    std::string original;
};

// The project file's step of CopyPredefinedProject: its copy in `folder`,
// with the same care for a copy the user changed.
std::optional<PredefinedCopy>
PlacePredefinedCopy(std::string_view projectPath, const std::string& folder,
                    const ChangedCopyChoice& choose, const CopiedData& data,
                    WorkFolderProblem* problem = nullptr, DebugLog* log = nullptr);

// Entries matching the pattern in a sub-folder of the project folder, or -1
// when the folder cannot be read or nothing matches.
int CountFolderFiles(const Project& project, std::string_view subFolder, std::string_view pattern);
// The files (not folders) matching the pattern in a sub-folder of the
// project folder, in the order CountFolderFiles counts them; only names a
// program or project can store (IsPlainFileName).
std::vector<std::string> FolderFileNames(const Project& project, std::string_view subFolder,
                                         std::string_view pattern);

// Where a file named by a project lives: a bare name is looked up in the
// project folder, then in its sub-folders; a relative path is taken from the
// project folder. "" when nothing is found.
std::string FindProjectFile(const Project& project, std::string_view name);

} // namespace zf
