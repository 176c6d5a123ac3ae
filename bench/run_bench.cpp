// Headless instant runs: how fast the interpreter walks a Go Program, and
// what one step of a walker costs.
#include "program/editor.h"
#include "program/key_sequence.h"
#include "program/printing_ui.h"
#include "program/string_table.h"
#include "simulation/headless_run.h"
#include "simulation/motion.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

class QuietUi : public zf::UserInterface {
  public:
    void WarningBox(zf::TextId, const std::string&) override { ++shown; }
    zf::Answer Ask(zf::TextId, const std::string&, zf::Buttons) override { return zf::Answer::No; }
    int shown = 0;
};

// Runs a keyed program over and over, counting the instructions executed.
void RunProgram(benchmark::State& bench, const char* keys) {
    QuietUi ui;
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    if (!zf::KeySequence(editor, keys)) {
        bench.SkipWithError("the program does not key");
        return;
    }
    zf::ZarnikState state;
    zf::SetUpWorkingArea(state, 10, 10);
    zf::PenTrail trail;
    zf::GraphicObjectList objects{tables};
    zf::RobotView view;
    zf::ManualClock clock;
    zf::RunControl control(editor, state, trail, objects, view, clock);
    std::uint64_t instructions = 0;
    for (auto _ : bench) {
        const zf::HeadlessResult r = zf::RunHeadless(control, clock);
        instructions += r.instructions;
        if (!r.ranToEnd || ui.shown) {
            bench.SkipWithError("the run did not finish cleanly");
            return;
        }
    }
    bench.counters["instructions"] = static_cast<double>(instructions);
    bench.counters["instr/s"] =
        benchmark::Counter(static_cast<double>(instructions), benchmark::Counter::kIsRate);
}

// Nested repeats and calls over turns, units and settings: the interpreter's
// own cost.
void BM_RunNestedControl(benchmark::State& bench) {
    RunProgram(bench, "P 2 [ RT 1 LT 1 FD [ 30 ] ] "
                      "P 1 [ RPT 3 [ P 2 RT [ 1 ] P 2 ] Q [ 3 2 ] ] "
                      "RPT 20 [ RPT 10 [ P 1 LT 2 RT 2 ] ]");
}
BENCHMARK(BM_RunNestedControl);

// The same shape with the robot moving: every Forward is a walk of 300 mm
// with 30 draws, around a square that ends where it began.
void BM_RunNestedMoves(benchmark::State& bench) {
    RunProgram(bench, "P 2 [ RPT 4 [ FD 1 RT 90 ] ] "
                      "P 1 [ RPT 3 [ P 2 RT 1 LT 1 ] ] "
                      "RPT 10 [ RPT 10 [ P 1 ] ]");
}
BENCHMARK(BM_RunNestedMoves);

// One pixel of a straight move: the millimetre passes up to the next draw.
void BM_MoveWalkerStep(benchmark::State& bench) {
    zf::ZarnikState state;
    state.floorWidth = state.floorHeight = 99 * zf::kStepMm;
    zf::CentreZarnik(state);
    state.heading = 30;
    std::int64_t steps = 0;
    zf::MoveZarnik move(state, +1, 0);
    for (auto _ : bench) {
        if (move.Advance() == zf::WalkStep::Done)
            move = zf::MoveZarnik(state, +1, 12000);
        benchmark::DoNotOptimize(move.x());
        ++steps;
    }
    bench.SetItemsProcessed(steps);
}
BENCHMARK(BM_MoveWalkerStep);

void BM_TurnWalkerStep(benchmark::State& bench) {
    std::int64_t steps = 0;
    zf::TurnZarnik turn(0, +1, 0);
    for (auto _ : bench) {
        if (turn.Advance() == zf::WalkStep::Done)
            turn = zf::TurnZarnik(turn.heading(), +1, 3600);
        benchmark::DoNotOptimize(turn.heading());
        ++steps;
    }
    bench.SetItemsProcessed(steps);
}
BENCHMARK(BM_TurnWalkerStep);

} // namespace

BENCHMARK_MAIN();
