#pragma once

#include "files/project.h"
#include "program/user_interface.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace zf {

// Start results keep the meanings of the platform's program start: 32 or
// more is success, 2 a program that was not found, 3 a folder that was not
// found; anything else is an error number.
inline constexpr int kProgramStarted = 33;
inline constexpr int kStartFileNotFound = 2;
inline constexpr int kStartPathNotFound = 3;

using ProgramStarter =
    std::function<int(const std::string& program, const std::vector<std::string>& arguments)>;

// The programs one owner has started, waited for on its next start so that
// none stays a zombie.
class StartedPrograms {
  public:
    StartedPrograms() = default;
    StartedPrograms(const StartedPrograms&) = delete;
    StartedPrograms& operator=(const StartedPrograms&) = delete;

    // Starts a program with its arguments, each handed over as it is (no
    // shell ever sees them). `child` receives the process id when given.
    int Start(const std::string& program, const std::vector<std::string>& arguments,
              pid_t* child = nullptr);
    // Starts through this list.
    ProgramStarter Starter();

  private:
    void ReapFinished();

    std::vector<pid_t> started_;
};

// A command line split into words as a shell would split it, without any
// shell: blanks separate words, and double or single quotes keep blanks
// inside one word and are taken away. Nothing is expanded.
std::vector<std::string> SplitCommandLine(std::string_view command);

// The program and the arguments of its own that a `paintN` value names
// ("krita --nosplash"). A value naming an existing file as a whole is that
// program alone, so that a path with blanks needs no quotes.
std::vector<std::string> PaintCommandWords(const std::string& value);

// The paint program used for a key that is missing: the first common paint
// program found on PATH, else the desktop's opener.
std::string DefaultPaintProgram();

// Keys paint1..paint3 of section `paint package` of an ini file, each a
// program with any arguments of its own; the Windows default "mspaint"
// stands for the default program here.
std::array<std::string, 3> ReadPaintPackagePrograms(const std::string& iniPath);

// Tries each command on the bitmap in turn, the bitmap after the command's
// own arguments; when all fail, warns according to the last result. True
// when one started.
bool StartPaintPackage(UserInterface& ui, const std::string& bitmapPath,
                       const std::array<std::string, 3>& programs, const ProgramStarter& start);
// The same with the commands of the options file every caller reads.
bool StartPaintPackage(UserInterface& ui, const Project& project, const std::string& bitmapPath,
                       const ProgramStarter& start);

} // namespace zf
