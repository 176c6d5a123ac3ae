#pragma once

#include <string>
#include <string_view>

namespace zf {

// Where the open project lies: the folder its pictures and Go Program are
// looked up in, the file it was opened from or saved as, and the folder of
// the program's own files. The desktop's document, each command-line run
// and each test own one and pass it on; nothing else keeps a folder.
struct Project {
    // Starts in the program folder, found from the running executable.
    Project();

    // Native, absolute, ending in a separator.
    std::string folder;
    // The project file's name without folder; "" when none.
    std::string fileName;
    // The folder of the executable, or share/zarnikfield beside an
    // installed executable's bin folder; ends in a separator.
    std::string programFolder;

    // The folder part of a project file path or of a stored folder path (one
    // ending in a separator is taken whole) becomes the folder; the name part
    // becomes fileName. Stored Windows-style paths are translated and a
    // relative one is taken from the current project folder.
    void SetFromPath(std::string_view path);
    // The program folder as project folder, with no project file.
    void ResetToProgram();
    void SetProgramFolder(std::string_view folder);

    // A stored or typed name as a path: a relative one is taken from the
    // project folder, and parts missing in their exact case are matched
    // ignoring case.
    std::string Resolve(std::string_view name) const;
    // A path the user gave, made absolute: a relative one is taken from the
    // project folder, and "." and ".." parts are resolved.
    std::string Absolute(const std::string& given) const;
};

// The program folder of the running executable.
std::string InstalledProgramFolder();

} // namespace zf
