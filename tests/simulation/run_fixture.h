#pragma once

#include "program/editor.h"
#include "program/key_sequence.h"
#include "program/string_table.h"
#include "simulation/headless_run.h"
#include "simulation/run_control.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zf::test {

// Records what a run shows.
class ViewRecorder : public RobotView {
  public:
    void SpriteChanged() override { ++spriteChanges; }
    void ObjectPlaced(GraphicObject& object) override { placed.push_back(object.kind); }
    std::vector<int> placed;
    int spriteChanges = 0;
};

// A 10 x 10-step working area, a Go Program keyed into it, and the run
// control driven by a hand-moved clock.
class RunFixture : public ::testing::Test {
  protected:
    RunFixture() { SetUpWorkingArea(state, 10, 10); }

    void Key(const char* sequence) { ASSERT_TRUE(KeySequence(editor, sequence)); }

    // Everything due up to `until` ms, in clock order; the clock ends there.
    void PumpUntil(std::int64_t until) {
        for (;;) {
            const std::int64_t due = control.NextDue();
            if (due == RunControl::kNever || due > until)
                break;
            clock.WaitUntil(due);
            control.Pump();
        }
        clock.WaitUntil(until);
    }
    void PumpToIdle() {
        while (!control.Idle()) {
            clock.WaitUntil(control.NextDue());
            control.Pump();
        }
    }
    void Settle(RunRequest request) {
        control.Post(request);
        PumpToIdle();
    }
    // Posts a request, as a click does, and lets the clock run on to `until`.
    void Request(RunRequest request, std::int64_t until) {
        control.Post(request);
        PumpUntil(until);
    }
    std::tuple<int, int> At() const { return {state.x, state.y}; }
    // Where the robot stands and which way it faces.
    std::tuple<int, int, int> Pose() const { return {state.x, state.y, state.heading}; }
    // Whether a run is going, paused, and stopped in the middle of an instruction.
    std::tuple<bool, bool, bool> Flags() const {
        return {state.running, state.paused, state.interrupted};
    }
    std::tuple<int, int> GoCursor() const {
        return {ui.cursors[GO_LIST].line, ui.cursors[GO_LIST].style};
    }
    HeadlessResult RunInstantly() { return RunHeadless(control, clock); }

    // The trail as "x,y/style" points, -1 a pen-up point.
    std::string TrailText() const {
        std::string out;
        for (int i = 0; i < trail.trailLength(); ++i) {
            const TrailPoint p = trail.GetTrailPoint(i);
            out += std::to_string(p.x) + ',' + std::to_string(p.y) + '/' + std::to_string(p.style) +
                   ' ';
        }
        return out;
    }

    Recorder ui;
    NameTables tables;
    GoEditor editor{ui, tables};
    ZarnikState state;
    PenTrail trail;
    GraphicObjectList objects{tables};
    ViewRecorder view;
    ManualClock clock;
    RunControl control{editor, state, trail, objects, view, clock};
};

} // namespace zf::test
