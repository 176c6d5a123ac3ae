#include "run_fixture.h"

#include "program/unnumbered_texts.h"

namespace zf::test {
namespace {

TEST_F(RunFixture, RunIsRefusedUntilTheProgramIsComplete) {
    const std::pair<const char*, TextId> steps[] = {
        {"", TextId::NoGoProgram},
        {"FD", TextId::GoIncompleteInstruction},
        {"1 RPT 2 [", TextId::GoIncompleteRepeat},
        {"] P 3 [ Q 2", TextId::ProcIncompleteInstruction}};
    for (const auto& [keyed, refusal] : steps) {
        Key(keyed);
        Settle(RunRequest::Run);
        EXPECT_EQ(ui.lastWarning(), Text(refusal)) << keyed;
    }
    Settle(RunRequest::Stop); // nothing to stop
    EXPECT_EQ(std::tuple(IsGoProgramActive(state), state.runCount), std::tuple(false, 0));
}

TEST_F(RunFixture, RepeatsCallsAndUnitsRunToTheEndAndUndefinedCallsAreSkipped) {
    Key("FD [ 10 ] RPT 3 [ FD 1 ] RPT 1 [ BK 2 ]");
    const HeadlessResult r = RunInstantly();
    // Instantly: no time passes on the run's clock.
    EXPECT_EQ(std::tuple(r.ranToEnd, r.instructions, r.elapsedMs),
              std::tuple(true, 1u + 1 + 1 + 3 * 2 + 1 + 2, 0));
    // A step is 10 cm from the first line on; the editing cursor comes back
    // on the last line keyed.
    EXPECT_EQ(std::tuple(state.y, control.interpreter().StackDepth(), GoCursor()),
              std::tuple(1500 - 300 + 200, 0u, std::tuple(8, cursor::Editing)));

    // The unit outlives Reset.
    Settle(RunRequest::Reset);
    Key("CM P 6 [ LT 90 ] P 5 [ P 6 FD 3 ] P 5 FD 3 P 7 FD 3 P 6 P 6 P 6");
    RunInstantly();
    // The last left turn ends on 0, not on 360.
    EXPECT_EQ(std::tuple(ui.messages.size(), Pose(), control.interpreter().callDepth),
              std::tuple(0u, std::tuple(600, 1500, 0), 0));
    // A turn whose angle wraps to whole turns turns nothing.
    Key("CM LT [ 400 ] LT 100");
    const int changes = view.spriteChanges;
    RunInstantly();
    EXPECT_EQ(std::tuple(state.heading, view.spriteChanges), std::tuple(0, changes));
}

TEST_F(RunFixture, StoppedWithinAMoveAfterACallAStepFinishesThatMoveAndPausesAgain) {
    Key("P 5 [ RT 90 ] CM P 5 FD 2 FD 1 FD 1");
    Request(RunRequest::Run, clock.now + 1000);
    Request(RunRequest::Stop, clock.now + 100);
    // The call has returned: the PROC list shows no cursor.
    EXPECT_EQ(std::tuple(Flags(), ui.cursors[PROC_LIST].visible),
              std::tuple(std::tuple(true, true, true), false));
    Settle(RunRequest::Step);
    EXPECT_EQ(std::tuple(Pose(), Flags()),
              std::tuple(std::tuple(2400, 1500, 90), std::tuple(true, true, false)));
    // A Step during a move pauses once the move is done.
    Request(RunRequest::Continue, clock.now + 50);
    Settle(RunRequest::Step);
    EXPECT_EQ(std::tuple(state.x, Flags()), std::tuple(2700, std::tuple(true, true, false)));
    // One more Step, from a pause between instructions, ends the run.
    Settle(RunRequest::Step);
    EXPECT_FALSE(state.running);
}

TEST_F(RunFixture, StopAndContinueFinishTheSameStraightLine) {
    SetUpWorkingArea(state, 20, 20);
    Key("PEN(redthin.bmp) FD 5");
    Request(RunRequest::Run, 120); // ten pixels at 12 ms each
    EXPECT_EQ(state.y, 2900);
    Request(RunRequest::Stop, 1000);
    // Step after Stop must step.
    EXPECT_EQ(
        std::tuple(Flags(), bool(state.stepPending), control.remainder, GoCursor()),
        std::tuple(std::tuple(true, true, true), false, 1400, std::tuple(3, cursor::Stopped)));

    Request(RunRequest::Continue, 1000);
    EXPECT_EQ(GoCursor(), std::tuple(3, cursor::RunningGo));
    PumpToIdle();
    // The last millimetres are drawn at once, without a pixel's delay.
    EXPECT_EQ(std::tuple(clock.now, IsGoProgramActive(state), At()),
              std::tuple(1000 + 139 * 12, false, std::tuple(3000, 1500)));
    EXPECT_EQ(TrailText(), "3000,3000/-1 3000,2900/0 3000,2900/-1 3000,2900/0 3000,2900/0 "
                           "3000,1500/0 ");
    // A Step from idle runs the header line and pauses there.
    Settle(RunRequest::Step);
    EXPECT_EQ(std::tuple(Flags(), GoCursor()),
              std::tuple(std::tuple(true, true, false), std::tuple(1, cursor::SteppingGo)));
}

TEST_F(RunFixture, LateDrawsAreMadeUpButALongStallIsNot) {
    state.moveDelay = MoveDelayForSpeed(2);
    Key("FD 2");
    // The run's time when the timer of the n-th timed draw fires `late(n)`
    // ms after it was due.
    const auto runTakes = [&](auto late) {
        Settle(RunRequest::Reset);
        const std::int64_t start = clock.now;
        control.Post(RunRequest::Run);
        for (int n = 0; !control.Idle();) {
            const std::int64_t due = control.NextDue();
            clock.WaitUntil(due > clock.now ? due + late(n++) : clock.now);
            control.Pump();
        }
        return clock.now - start;
    };
    const std::int64_t onTime = runTakes([](int) { return 0; });
    EXPECT_GT(onTime, 20 * state.moveDelay);
    EXPECT_LE(runTakes([](int) { return 2 * 6; }), onTime + 12);
    EXPECT_GE(runTakes([](int n) { return n == 9 ? 500 : 0; }), onTime + 500);
}

TEST_F(RunFixture, StoppedWaitsOweWholeSecondsAndTurnsStopBetweenTwoDraws) {
    for (const auto& [stopAt, owed] : {std::pair{2500, 3}, std::pair{4200, 1}}) {
        Key("CM W 5");
        clock.now = 0;
        Request(RunRequest::Run, stopAt);
        Request(RunRequest::Stop, stopAt);
        EXPECT_EQ(std::tuple(control.remainder, Flags()),
                  std::tuple(owed, std::tuple(true, true, true)));
        Settle(RunRequest::Continue);
        EXPECT_EQ(std::tuple(clock.now, Flags()),
                  std::tuple(stopAt + owed * 1000, std::tuple(false, false, false)));
    }
    Key("CM RT 90");
    control.Post(RunRequest::Run);
    for (int i = 0; i < 3 + 10; ++i) // Run, header, start of the turn, ten draws
        control.Pump();
    // One message between two draws: Stop waits for the draw after Step's.
    control.Post(RunRequest::Step);
    control.Post(RunRequest::Stop);
    control.Pump();
    control.Pump();
    EXPECT_FALSE(state.interrupted);
    control.Pump();
    ASSERT_TRUE(state.interrupted);
    EXPECT_EQ(std::tuple(control.remainder + state.heading, state.heading % 2), std::tuple(90, 0));
    Settle(RunRequest::Continue);
    EXPECT_EQ(state.heading, 90);
    // A move too takes one message between two draws.
    Key("CM FD 1");
    Request(RunRequest::Run, clock.now + 100);
    control.Post(RunRequest::Step);
    control.Post(RunRequest::Step);
    control.Pump();
    EXPECT_GT(control.NextDue(), clock.now);
}

TEST_F(RunFixture, ResetUndoesExactlyTheLastRun) {
    objects.CreateGraphicObject("tree.bmp", objectkind::Stamp, 450, 450, 0, 0, 0, 0);
    Key("PEN(redthin.bmp) STAMP(cat.bmp) FD 1");
    RunInstantly();
    const std::string afterFirst = TrailText();
    ASSERT_EQ(trail.trailLength(), 2);
    Key("CM PEN(bluewide.bmp) STAMP(dog.bmp) FLIPSTAMP TEXT(\"hi\",3) FD 1");
    RunInstantly();
    ASSERT_EQ(objects.size(), 4u);
    // The cat plain, the dog flipped.
    EXPECT_EQ(std::tuple(objects[1].param3, objects[2].param1, objects[2].param3),
              std::tuple(0, 42, 1));
    EXPECT_EQ(std::tuple(objects[3].param2, view.placed), std::tuple(3, std::vector<int>{2, 2, 3}));
    EXPECT_STREQ(tables.texts.Get(
                     TextObjectRecord::FromBytes(tables.textObjects.Get(objects[3].param1)).textId),
                 "hi");

    Settle(RunRequest::Reset);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(std::tuple(objects[0].runTag, objects[1].runTag, TrailText(), At(), state.penStyle),
              std::tuple(0, 1, afterFirst, std::tuple(1500, 1500), -1));
}

TEST_F(RunFixture, AStartPenDrawsUntilTheProgramChangesItInEveryRun) {
    // A fresh working area starts with the thin black pen, as the desktop's.
    Key("FD 1 PENUP FD 1");
    RunInstantly();
    EXPECT_EQ(
        std::tuple(state.homePenStyle, TrailText()),
        std::tuple(PenStyleForName(kDefaultStartPen), "1500,1500/-1 1500,1200/3 1500,900/-1 "));
    Settle(RunRequest::Reset);
    EXPECT_FALSE(state.penDown);
    Key("CM PEN(redwide.bmp) FD 1");
    trail.ClearPenTrail();
    RunInstantly();
    EXPECT_EQ(TrailText(), "1500,1500/-1 1500,1200/4 ");
    // The first pen of the list is a start pen like any other.
    Settle(RunRequest::Reset);
    state.homePenStyle = PenStyleForName("redthin.bmp");
    ASSERT_EQ(state.homePenStyle, 0);
    Key("CM FD 1");
    trail.ClearPenTrail();
    RunInstantly();
    EXPECT_EQ(std::tuple(TrailText(), bool(state.penDown)),
              std::tuple("1500,1500/-1 1500,1200/0 ", true));
}

TEST_F(RunFixture, ResetIsRefusedDuringARunAndRestoresTheStartState) {
    state.homeShapeId = tables.names.Add("zarnik.bmp");
    Key("FLIP HEAD(45) FD 9");
    Request(RunRequest::Run, 100);
    Request(RunRequest::Reset, 200);
    Settle(RunRequest::Stop);
    EXPECT_EQ(std::tuple(Flags(), state.heading, state.y < 1500),
              std::tuple(std::tuple(true, true, true), 45, true));
    Settle(RunRequest::Reset);
    EXPECT_EQ(std::tuple(IsGoProgramActive(state), Pose(), bool(state.flipped), state.shapeId,
                         control.interpreter().currentInstruction),
              std::tuple(false, std::tuple(1500, 1500, 0), false, state.homeShapeId, nullptr));
}

TEST_F(RunFixture, RunAfterEndRunWaitsForTheMoveToFinishAndClosingGoesNoFurther) {
    Key("FD 2");
    Request(RunRequest::Run, 100);
    // The keypad during a run: Stop is posted, End run sent.
    control.Post(RunRequest::Stop);
    control.Send(RunRequest::EndRun);
    Settle(RunRequest::Run);
    // The second run started where the first was stopped and went 2 steps.
    EXPECT_EQ(std::tuple(state.runCount, Flags(), state.y),
              std::tuple(2, std::tuple(false, false, false), 1500 - 80 - 600));

    SetUpWorkingArea(state, 20, 20);
    Key("CM FD 5 FD 5");
    Request(RunRequest::Run, clock.now + 240);
    control.aborting = true;
    control.Send(RunRequest::Stop);
    control.Send(RunRequest::Reset);
    control.Send(RunRequest::EndRun);
    EXPECT_EQ(std::tuple(control.Idle(), IsGoProgramActive(state), Flags(), At()),
              std::tuple(true, false, std::tuple(false, false, false), std::tuple(3000, 3000)));

    // Ended while a move is under way, the move goes on and a Run waits for it.
    control.aborting = false;
    Key("CM FD 2");
    Request(RunRequest::Run, clock.now + 240);
    control.Send(RunRequest::EndRun);
    const int runs = state.runCount;
    Request(RunRequest::Run, clock.now + 40);
    EXPECT_EQ(state.runCount, runs);
    PumpToIdle();
    EXPECT_EQ(state.runCount, runs + 1);
}

TEST_F(RunFixture, TheEdgeEndsTheRunAndSetPositionJumpsWithoutALineOrIsRefused) {
    Key("PEN(redthin.bmp) FD 9 FD 1");
    RunInstantly();
    EXPECT_EQ(std::tuple(ui.lastWarning(), IsGoProgramActive(state), Flags(),
                         control.interpreter().executed, TrailText()),
              std::tuple(Text(TextId::CannotMoveOutside), false, std::tuple(false, false, false),
                         3u, "1500,1500/-1 1500,150/0 "));

    Settle(RunRequest::Reset);
    Key("CM PEN(redthin.bmp) FD 1 POS(1,1) FD 1 POS(9,0) FD 1");
    RunInstantly();
    EXPECT_EQ(std::tuple(ui.lastWarning(), bool(state.running), At(), TrailText()),
              std::tuple(Text(TextId::ZarnikMustStayInArea, {4.5, 4.5}), false,
                         std::tuple(1800, 900),
                         "1500,1500/-1 1500,1200/0 1800,1200/-1 1800,900/0 "));
}

TEST_F(RunFixture, StoredHeadingsAndPositionsOfAnySizeAreCheckedNotWrapped) {
    // A heading as a damaged file may hold it turns as that heading modulo
    // a whole turn: 2147483647 is 127, and Right 90 then gives 217.
    Key("HEAD(0) RT 9 0 FD 1");
    editor.Head(GO_LIST)->next->value1 = 2147483647;
    RunInstantly();
    EXPECT_EQ(Pose(), std::tuple(1500 - 180, 1500 + 239, 217));

    // Far positions are refused by the working-area check, not wrapped into it.
    for (const char* far : {"POS(218,0)", "POS(1e10,0)", "POS(0,-1e10)"}) {
        ui.clear();
        SetUpWorkingArea(state, 10, 10);
        editor.DestroyProgramList(GO_LIST);
        Key(far);
        RunInstantly();
        EXPECT_EQ(
            std::tuple(ui.lastWarning(), At()),
            std::tuple(Text(TextId::ZarnikMustStayInArea, {4.5, 4.5}), std::tuple(1500, 1500)))
            << far;
    }
}

TEST_F(RunFixture, UndefinedOpcodesAndNamesLeavingTheProjectDoNothing) {
    // Whatever put them in the lists: a byte no instruction has (42 is the
    // flipped stamp's own code) places nothing, and a picture outside the
    // project is neither stamped nor worn.
    Key("STAMP(cat.bmp) STAMP(cat.bmp) SHAPE(fox.bmp) FD 1");
    GoInstruction* first = editor.Head(GO_LIST)->next;
    first->opcode = 42;
    first->next->nameId = tables.names.Add("../../secret/evil.bmp");
    first->next->next->nameId = tables.names.Add("/etc/evil.bmp");
    const std::uint32_t shape = state.shapeId;
    RunInstantly();
    EXPECT_EQ(std::tuple(objects.size(), state.shapeId, At()),
              std::tuple(0u, shape, std::tuple(1500, 1200)));
    // A shape inside the project is worn, the right way round.
    Key("CM FLIP SHAPE(fox.bmp)");
    RunInstantly();
    EXPECT_EQ(std::tuple(std::string(tables.names.Get(state.shapeId)), bool(state.flipped)),
              std::tuple("fox.bmp", false));
}

TEST_F(RunFixture, RunsThatNeverEndStopAtTheInstructionLimitOrTheCallDepth) {
    Key("RPT 99 [ RPT 99 [ RPT 99 [ RT 1 ] ] ]");
    HeadlessOptions options;
    options.instructionLimit = 5000;
    HeadlessResult r = RunHeadless(control, clock, options);
    EXPECT_EQ(std::tuple(r.started, r.ranToEnd, r.instructions / 10, IsGoProgramActive(state)),
              std::tuple(true, false, 500u, false));
    // At its own pace a run stops between moves, never in the middle of one.
    Settle(RunRequest::Reset);
    Key("CM FD 3 FD 3");
    options.instant = false;
    options.instructionLimit = 2; // the header line and the first move
    r = RunHeadless(control, clock, options);
    EXPECT_EQ(std::tuple(r.ranToEnd, r.instructions, state.y), std::tuple(false, 2u, 1500 - 900));

    // Keying refuses a call to itself; a damaged file can still hold one.
    Key("CM P 5 [ FD 1 ] P 5");
    GoInstruction* def = editor.FindProcedure(PROC_LIST, 5);
    ASSERT_NE(def, nullptr);
    def->next->opcode = op::Procedure;
    def->next->digits = {5, kNoDigit, kNoDigit, kNoDigit};
    r = RunInstantly();
    EXPECT_EQ(std::tuple(ui.lastWarning(), bool(state.running), control.interpreter().StackDepth()),
              std::tuple(unnumbered::kRunMemoryLow, false, 0u));
    EXPECT_LT(r.instructions, 2 * Interpreter::kMaxFrames + 10);
}

TEST_F(RunFixture, NotesTakeTheirTimeAndHoldStopBackAndAreaCommandsWaitForAPause) {
    Key("Q 4 10 FD 1");
    Request(RunRequest::Run, 100);
    EXPECT_TRUE(RefuseWhileRunning(ui, state));
    EXPECT_EQ(ui.lastWarning(), Text(TextId::GoProgramRunning));
    Request(RunRequest::Stop, 544);
    EXPECT_FALSE(state.paused);
    PumpUntil(545);
    EXPECT_EQ(std::tuple(bool(state.paused), RefuseWhileRunning(ui, state), state.y),
              std::tuple(true, false, 1500));
    ASSERT_EQ(ui.tones.size(), 1u);
    EXPECT_EQ(std::tuple(ui.tones[0].frequency, ui.tones[0].milliseconds), std::tuple(440, 545));
    // Without sound a note still takes its time, as a silent tone.
    control.interpreter().sound = false;
    Settle(RunRequest::Run);
    EXPECT_EQ(std::tuple(ui.tones.back().frequency, ui.tones.back().milliseconds),
              std::tuple(0, 545));
}

} // namespace
} // namespace zf::test
