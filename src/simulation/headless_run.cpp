#include "simulation/headless_run.h"

namespace zf {

void SetUpWorkingArea(ZarnikState& state, int widthSteps, int heightSteps) {
    state.floorWidth = widthSteps * kStepMm;
    state.floorHeight = heightSteps * kStepMm;
    CentreZarnik(state);
    state.heading = 0;
    SetHomeHeading(state, 0);
    state.penDown = false;
    state.penStyle = -1;
    // As on the desktop's default working area, a run draws with the thin
    // black pen until the program chooses another.
    state.homePenStyle = PenStyleForName(kDefaultStartPen);
}

HeadlessResult RunHeadless(RunControl& control, Clock& clock, const HeadlessOptions& options) {
    HeadlessResult result;
    const bool wasInstant = control.instant;
    control.instant = options.instant;
    const std::uint16_t runs = control.state().runCount;
    const std::uint64_t executedBefore = control.interpreter().executed;
    const std::int64_t start = clock.NowMs();

    control.Post(RunRequest::Run);
    control.Pump();
    result.started = control.state().runCount != runs;
    result.ranToEnd = true;
    for (;;) {
        const std::uint64_t done = control.interpreter().executed - executedBefore;
        if (options.instructionLimit && done >= options.instructionLimit &&
            !control.PrimitiveGoing() && control.state().running) {
            control.Send(RunRequest::EndRun);
            result.ranToEnd = false;
        }
        const std::int64_t due = control.NextDue();
        if (due == RunControl::kNever)
            break;
        clock.WaitUntil(due);
        control.Pump();
    }
    result.instructions = control.interpreter().executed - executedBefore;
    result.elapsedMs = clock.NowMs() - start;
    control.instant = wasInstant;
    return result;
}

} // namespace zf
