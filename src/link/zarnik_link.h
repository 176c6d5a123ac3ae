#pragma once

#include "link/memory_image.h"
#include "program/editor.h"
#include "program/user_interface.h"

namespace zf {

inline constexpr std::uint8_t kStoreProgramCommand = 0x19;
inline constexpr std::uint8_t kReadProgramCommand = 0x1A;

// Sends an image to the robot on the selected port: 1 on success, 0 on
// failure. Either way the user has been told.
int CopyProgramToZarnik(UserInterface& ui, const ZarnikMemoryImage& image);
// Reads the robot's image: non-zero on success, 0 on failure (told).
int CopyProgramFromZarnik(UserInterface& ui, ZarnikMemoryImage& image);

// Floor Zarnik > Send GO Program: checks, deletes empty procedures, encodes
// both lists and sends them. True when the robot took the program.
bool SendGoProgram(GoEditor& editor);

// Floor Zarnik > Get GO Program: replaces both lists with the robot's
// program. False when nothing could be read; the lists are then untouched.
bool ReadZarnikProgramToZarnikMemBuffer(GoEditor& editor);

} // namespace zf
