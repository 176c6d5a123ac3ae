#pragma once

#include "simulation/run_control.h"

#include <cstdint>

namespace zf {

// The start state of a fresh working area: W x H steps, the robot in the
// centre, heading 0, pen up; a run starts with the thin black pen.
void SetUpWorkingArea(ZarnikState& state, int widthSteps, int heightSteps);

struct HeadlessOptions {
    // Moves, waits and notes take no time; otherwise they take their real
    // time on the run's clock.
    bool instant = true;
    // Ends the run after this many instructions; 0 runs to the end.
    std::uint64_t instructionLimit = 0;
};

struct HeadlessResult {
    // The start check passed.
    bool started = false;
    // The run ended by itself (end of the GO list, an edge, a refusal on the
    // way), not by the instruction limit.
    bool ranToEnd = false;
    std::uint64_t instructions = 0;
    std::int64_t elapsedMs = 0;
};

// Runs the Go Program as GO does, from where the robot stands, with no window:
// the control's requests are pumped until nothing is left to do, and the
// clock is let run to each due time.
HeadlessResult RunHeadless(RunControl& control, Clock& clock, const HeadlessOptions& options = {});

} // namespace zf
