#pragma once

#include "files/file_io.h"
#include "files/project_file.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zf {

// A whole lesson in one file a teacher can hand on: a ZIP archive of stored
// entries (any unzip tool opens it) holding the project file, its Go
// Program and the four picture folders.
inline constexpr const char* kLessonExtension = ".zfl";

// Generous for a classroom lesson, small enough that a hostile file cannot
// make the program or the page swallow the disk.
inline constexpr std::size_t kMaxLessonEntries = 1024;
inline constexpr std::size_t kMaxLessonEntrySize = kMaxLoadedFileSize;
inline constexpr std::size_t kMaxLessonSize = 64u << 20;

// One file of a lesson: "Maze.zfp", "Maze.gop" or "backgnds/park.bmp".
// A folder entry ("pens/") has a name ending in a slash and no bytes.
struct LessonEntry {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

enum class LessonError {
    None,
    NotALesson,
    Damaged,
    Compressed,
    Encrypted,
    // A name that would leave the lesson's folder or that the program does
    // not use; the name goes with it.
    UnsafeName,
    TooLarge,
    NoProject,
};

struct LessonResult {
    LessonError error = LessonError::None;
    std::string detail;
    bool ok() const { return error == LessonError::None; }
};

// The archive's bytes, entries in a fixed order (project, Go Program, then
// each picture folder followed by its files by name) with fixed dates, so
// that the same lesson gives the same bytes wherever it is saved.
std::vector<std::uint8_t> WriteLessonFile(std::vector<LessonEntry> entries);
// Checks every offset, size, count, checksum and name before anything is
// taken; on success `entries` holds the files in archive order.
LessonResult ReadLessonFile(std::span<const std::uint8_t> file, std::vector<LessonEntry>& entries);
// The refusal as the user reads it, for the lesson at `path`.
std::string LessonErrorText(const LessonResult& result, const std::string& path);

// The lesson of the open project: the project as it is now (storing no
// folder, so that it opens wherever it is unpacked), its Go Program and the
// pictures of the project folder. `lessonName` names the project and the
// program when they have no names yet.
std::vector<LessonEntry> GatherLesson(ProjectScene& scene, const std::string& lessonName);
// Empty when the lesson would hold more than a lesson may, so that nothing
// is saved that cannot be opened again.
std::vector<std::uint8_t> PackLesson(ProjectScene& scene, const std::string& lessonName);

// Makes a new folder for a lesson inside `parent`: the lesson's name, or
// the name with " 2", " 3", ... when that exists. "" when none can be made.
std::string MakeLessonFolder(const std::string& parent, const std::string& lessonName);
// Writes checked entries into `folder` (which must exist), making the four
// picture folders; answers the project file's path, "" when a file could
// not be written.
std::string UnpackLesson(const std::vector<LessonEntry>& entries, const std::string& folder);

// Opens a lesson file's bytes: unpacks it into a new folder inside `parent`
// and opens its project through the project loader. Refusals are shown.
bool OpenLessonBytes(ProjectScene& scene, std::span<const std::uint8_t> file,
                     const std::string& path, const std::string& parent);
// The same from a file; the lesson goes into the work folder.
bool OpenLesson(ProjectScene& scene, const std::string& path);
// Writes the open project's lesson to `path`; a failure is reported and
// keeps the old file.
bool SaveLessonAs(ProjectScene& scene, const std::string& path);

} // namespace zf
