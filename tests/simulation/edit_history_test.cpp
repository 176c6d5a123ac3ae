#include "program/program_snapshot.h"
#include "simulation/edit_history.h"
#include "simulation/object_tools.h"

#include "run_fixture.h"

#include <sstream>
#include <tuple>

namespace zf::test {

namespace {

// Undo and Redo over a keyed program and a working area changed by hand.
class History : public RunFixture {
  protected:
    // One change, as the desktop brackets a click or a key.
    template <typename F>
    void Change(F&& change) {
        EditHistory::Change scope(history);
        change();
    }
    void KeyChange(const char* sequence) {
        Change([&] { Key(sequence); });
    }
    std::string Program() const { return FormatLists(editor); }
    // The working area as text, every point and object included.
    std::string Area() const {
        std::ostringstream out;
        out << state.x << ',' << state.y << " h" << state.heading << " home " << state.homeX << ','
            << state.homeY << " pen " << state.penStyle << " floor " << state.floorWidth << '\n';
        out << TrailText();
        for (const auto& o : objects.objects())
            out << "\nobject " << +o->kind << ' ' << o->x << ',' << o->y << " flip " << o->param3;
        return out.str();
    }

    EditHistory history{editor, state, trail, objects};
};

TEST_F(History, UndoAndRedoOfKeyingRestoreTheWholeProgramAndItsMemory) {
    KeyChange("FD 2 RPT 3 [ RT 9 0");
    const std::string keyed = Program(); // the units left included
    KeyChange("]");
    KeyChange("P 5 [ FD [ 1 5 ] BK 1 ]");
    const std::string withProcedure = Program();
    KeyChange("CE");
    const std::string afterCe = Program();
    KeyChange("CM");

    // Each Undo goes back exactly one change, the units with it.
    EXPECT_TRUE(history.Undo().program);
    EXPECT_EQ(Program(), afterCe);
    EXPECT_TRUE(history.Undo().program);
    EXPECT_EQ(Program(), withProcedure);
    history.Undo();
    history.Undo();
    EXPECT_EQ(Program(), keyed);
    // The cursor is back on the instruction being keyed: a digit completes it.
    KeyChange("0");
    EXPECT_NE(Program(), keyed);
    history.Undo();
    EXPECT_EQ(Program(), keyed);

    // A new change drops what could be redone; before it, Redo walks forward.
    history.Redo();
    EXPECT_FALSE(history.CanRedo());
    history.Undo();
    EXPECT_TRUE(history.CanRedo());
    history.Redo();
    EXPECT_EQ(std::tuple(editor.Head(GO_LIST)->next->next->next->digits[2], editor.modified),
              std::tuple(0, 1u));
    // A graphic command costs no memory but is a change all the same.
    const std::string redone = Program();
    KeyChange("PENUP");
    history.Undo();
    EXPECT_EQ(Program(), redone);
    // So is a text put in place of one.
    KeyChange("PENUP");
    const std::string penUp = Program();
    KeyChange("CE TEXT(\"hi\")");
    history.Undo();
    EXPECT_EQ(Program(), penUp);
}

TEST_F(History, DefinitionModeComesBackAndARefusedKeyLeavesNoStep) {
    KeyChange("P 3 [");
    KeyChange("FD 1");
    const std::string open = Program();
    KeyChange("]");
    ASSERT_EQ(editor.procedureBeingDefined, 0);
    const std::string closed = Program();
    history.Undo();
    EXPECT_EQ(std::tuple(editor.procedureBeingDefined, editor.ListOf(editor.cursor)),
              std::tuple(3, PROC_LIST));
    EXPECT_EQ(Program(), open);
    history.Redo();
    EXPECT_EQ(Program(), closed);
    KeyChange("RPT 2 [");
    const std::string repeat = Program();
    // "Number not expected.": a refused key changes nothing and is no step.
    KeyChange("4");
    EXPECT_EQ(Program(), repeat);
    history.Undo();
    EXPECT_EQ(Program(), closed);
    // Back to the definition just opened, the cursor on its first line.
    history.Undo();
    history.Undo();
    EXPECT_EQ(editor.cursor, editor.Head(PROC_LIST));
}

TEST_F(History, WorkingAreaChangesComeBackWholeAndRunsStayOutOfIt) {
    Key("FD 2");
    for (int kind : {objectkind::Stamp, objectkind::Background})
        Change([&] { objects.CreateGraphicObject("tree.bmp", kind, 600, 900, 0, 0, 0, 0); });
    Change([&] { objects[1].x = 2000; });
    state.homePenStyle = 0;
    Settle(RunRequest::Run);
    ASSERT_EQ(state.y, 900);
    const std::string afterRun = Area();
    // A run's own drawing is no change of the user's.
    EXPECT_EQ(history.Undo().area, true);
    EXPECT_EQ(objects[1].x, 600);
    history.Redo();
    EXPECT_EQ(Area(), afterRun);

    Change([&] { ClearAllObjects(state, trail, objects); });
    Change([&] { ClearWholeWorkingArea(state, trail, objects); });
    Change([&] { SetUpWorkingArea(state, 8, 8); });
    EXPECT_EQ(state.floorWidth, 8 * kStepMm);
    history.Undo();
    history.Undo();
    EXPECT_EQ(objects.size(), 1u);
    history.Undo();
    EXPECT_EQ(Area(), afterRun);
    // Keyed and area steps share one order, each putting back its own part.
    EXPECT_FALSE(history.Undo().program);
    EXPECT_EQ(objects.size(), 2u);
    // A pen-up point replacing the last pen-up one is a change too.
    trail.SetTrailStyle(-1);
    trail.AppendTrailPoint(10, 0);
    const AreaSnapshot before = TakeAreaSnapshot(state, trail, objects);
    trail.AppendTrailPoint(20, 0);
    EXPECT_FALSE(SameArea(before, TakeAreaSnapshot(state, trail, objects)));
    trail.ClearPenTrail();
    EXPECT_FALSE(SameArea(before, TakeAreaSnapshot(state, trail, objects)));
}

TEST_F(History, NothingIsUndoneDuringARunOrAChangeAndTheDepthIsBounded) {
    KeyChange("FD 2");
    control.Post(RunRequest::Run);
    control.Pump();
    ASSERT_TRUE(IsGoProgramActive(state));
    EXPECT_FALSE(history.Undo().any());
    PumpToIdle();
    history.Begin();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo().any());
    history.End();
    EXPECT_TRUE(history.Undo().program);
    const std::string before = Program();
    Change([&] { // changes inside a change make one step
        KeyChange("BK 1");
        KeyChange("BK 2");
    });
    history.Undo();
    EXPECT_EQ(Program(), before);

    for (std::size_t i = 0; i < EditHistory::kDepth + 5; ++i)
        KeyChange(i % 2 ? "CE" : "FD 1");
    std::size_t steps = 0;
    while (history.Undo().any())
        ++steps;
    EXPECT_EQ(steps, EditHistory::kDepth);
}

} // namespace

} // namespace zf::test
