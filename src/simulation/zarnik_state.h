#pragma once

#include "program/user_interface.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zf {

inline constexpr int kStepMm = 300;
inline constexpr int kHalfStepMm = 150;

// Units the executor turns instruction numbers with. Only the unit
// instructions change them: neither Reset nor a new run restores them, but
// opening a project starts its lesson with the robot's own.
struct ExecutorUnits {
    int stepUnit = 30; // centimetres per Forward/Back count
    int turnUnit = 1;  // degrees per Left/Right count
    int tempoIndex = 3;
    int octave = 2;
};

// The robot on the working area. Positions are whole millimetres from the
// top-left corner, y downward; headings whole degrees, 0 up, clockwise.
struct ZarnikState {
    std::int32_t floorWidth = 10 * kStepMm;
    std::int32_t floorHeight = 10 * kStepMm;
    float zoom = 100.0f; // pixels per metre
    std::int32_t x = 5 * kStepMm;
    std::int32_t y = 5 * kStepMm;
    std::int32_t heading = 0;
    std::uint32_t shapeId = 0;
    bool flipped = false;
    bool penDown = false;
    std::int16_t penStyle = -1;
    std::uint32_t transparentColour = 0;
    std::int32_t homeX = 5 * kStepMm;
    std::int32_t homeY = 5 * kStepMm;
    std::int32_t homeHeading = 0;
    std::uint32_t homeShapeId = 0;
    bool homeFlipped = false;
    // The pen a run starts with; -1 starts it up. Only the program's own
    // default working area has one, so that a first keyed program draws.
    std::int16_t homePenStyle = -1;
    std::uint16_t moveDelay = 12;
    bool running = false;
    bool stepPending = false;
    bool paused = false;
    bool interrupted = false;
    std::uint16_t runCount = 0;
    ExecutorUnits units;
};

// What the status line tells of the robot beside the run: the step and turn
// units where they are not the robot's own, and the memory the Go Program
// takes, e.g. "step 15 cm   42 cells used / 187"; briefly "15 cm   42/187"
// where there is little room.
std::string RobotMemoryText(const ExecutorUnits& units, int memoryUsed, int memorySize,
                            bool brief = false);

// The only conversions between floor and screen; all truncate.
int MmToPixels(const ZarnikState& state, int mm);
int PixelsToMm(const ZarnikState& state, int px);
int PixelsPerStep(const ZarnikState& state);

// The pen of the default working area's start state.
inline constexpr const char* kDefaultStartPen = "blakthin.bmp";

// Step coordinates as the user sees them: from the centre, x right, y up.
double StepX(const ZarnikState& state, int x);
double StepY(const ZarnikState& state, int y);

// Any number of degrees as a heading 0..359, so that a stored heading of any
// size cannot overflow the turns that follow it.
int NormalHeading(std::int64_t degrees);

// The start position and heading, where Reset puts the robot.
void SetHome(ZarnikState& state, int x, int y);
void SetHomeHeading(ZarnikState& state, int heading);

// Robot and start position to the middle of the working area (after a size change).
void CentreZarnik(ZarnikState& state);

// Speed menu index 0..2 (Slow, Medium, Fast) to the delay per pixel.
std::uint16_t MoveDelayForSpeed(int index);
// The delay per pixel below Slow, for children who follow each move.
inline constexpr std::uint16_t kVerySlowMoveDelay = 50;

inline constexpr int kPenCount = 8;
// File names of the eight pens, by pen style.
std::string_view PenFileName(int style);
// The pen a pen file name selects: compared case-insensitively over the
// given name's length; no match gives pen 0.
std::int16_t PenStyleForName(std::string_view name);

// 0 when (x, y) keeps the robot inside the working area; otherwise shows
// message 90 and answers 1.
int CheckZarnikPosition(UserInterface& ui, const ZarnikState& state, int x, int y);

// A run is in progress, stepping or paused.
bool IsGoProgramActive(const ZarnikState& state);
// Working-area commands are refused while a run is going and not paused:
// shows string 83 and answers true.
bool RefuseWhileRunning(UserInterface& ui, const ZarnikState& state);

} // namespace zf
