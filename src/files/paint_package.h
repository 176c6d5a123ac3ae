#pragma once

#include "program/user_interface.h"

#include <array>
#include <functional>
#include <string>
#include <sys/types.h>

namespace zf {

// Start results keep the meanings of the platform's program start: 32 or
// more is success, 2 a program that was not found, 3 a folder that was not
// found; anything else is an error number.
inline constexpr int kProgramStarted = 33;
inline constexpr int kStartFileNotFound = 2;
inline constexpr int kStartPathNotFound = 3;

// Starts a program on one argument, handed over as it is (no shell ever sees
// it). `child` receives the process id when given.
int StartProgram(const std::string& program, const std::string& argument, pid_t* child = nullptr);
using ProgramStarter = std::function<int(const std::string& program, const std::string& argument)>;

// The paint program used for a key that is missing: the first common paint
// program found on PATH, else the desktop's opener.
std::string DefaultPaintProgram();

// Keys paint1..paint3 of section `paint package` of an ini file; the
// Windows default "mspaint" stands for the default program here.
std::array<std::string, 3> ReadPaintPackagePrograms(const std::string& iniPath);

// Tries each program on the bitmap in turn; when all fail, warns according to
// the last result. True when one started.
bool StartPaintPackage(UserInterface& ui, const std::string& bitmapPath,
                       const std::array<std::string, 3>& programs, const ProgramStarter& start);
// The same with the programs of the options file.
bool StartPaintPackage(UserInterface& ui, const std::string& bitmapPath);
bool StartPaintPackage(UserInterface& ui, const std::string& bitmapPath,
                       const ProgramStarter& start);

} // namespace zf
