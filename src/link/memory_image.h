#pragma once

#include "program/editor.h"
#include "program/instruction.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zf {

// The robot's program memory as it travels on the wire: 195 four-bit cells,
// each stored as 0xF0 + value, then the PROC and GO free pointers.
inline constexpr int kZarnikImageSize = 197;
using ZarnikMemoryImage = std::array<std::uint8_t, kZarnikImageSize>;

inline constexpr int kProcFreeByte = 195;
inline constexpr int kGoFreeByte = 196;
// The GO area grows down from the last cell, the PROC area up from the
// first cell after the procedure-chain head.
inline constexpr int kGoStartCell = 194;
inline constexpr int kProcStartCell = 8;
inline constexpr std::uint8_t kEmptyCell = 0xF0;

// What the encoder remembers while it fills one image: the cells of the
// open Repeats (shared by both areas) and the start of the latest
// procedure header.
struct ImageEncoder {
    std::vector<int> openRepeats;
    int latestHeader = -1;
};

void InitialiseZarnikMemBuffer(ZarnikMemoryImage& image);
void InitialiseZarnikMemBuffer(ZarnikMemoryImage& image, ImageEncoder& encoder);

// Cells an instruction takes in the image; graphic commands take none.
int EncodedCells(const GoInstruction& instruction);
// Cells both lists take together.
int ProgramCells(const GoInstruction* goHead, const GoInstruction* procHead);

// Appends one instruction to the GO area (GO_LIST) or the PROC area
// (PROC_LIST). An instruction that would make the two areas meet is not
// written and answers false.
bool EncodeInstruction(ZarnikMemoryImage& image, ImageEncoder& encoder,
                       const GoInstruction& instruction, int list);

// A fresh image holding both lists; false, with the image left fresh, when
// they need more than the 187 program cells.
bool EncodeGoProgram(ZarnikMemoryImage& image, const GoInstruction* goHead,
                     const GoInstruction* procHead);

// True when every cell of an image has the robot's wire form 0xF0 + value,
// whatever its free pointers hold: enough to know a robot answered.
bool HoldsRobotCells(const ZarnikMemoryImage& image);
// True when an image also has free pointers that keep the two areas apart.
bool IsZarnikMemoryImage(const ZarnikMemoryImage& image);
// True when the image also holds a program the robot could have been given:
// its areas parse into whole instructions that end at the free pointers,
// fit the memory and pass the checks a send makes.
bool HoldsSoundProgram(const ZarnikMemoryImage& image);

// Rebuilds the GO and PROC lists from an image, appending to the editor's
// (emptied) lists and charging their memory units. Answers false when a
// procedure header with the number 0 ended the parse early.
bool ParseZarnikMemDump(const ZarnikMemoryImage& image, GoEditor& editor);

} // namespace zf
