#include "keying_fixture.h"

#include "program/list_clicks.h"

namespace zf::test {
namespace {

const std::string kHeader = "NAME(\"My Go Program.gop\")";

using KeyingMoves = Keying;

TEST_F(KeyingMoves, DigitRangesAndLimits) {
    using enum TextId;
    keys("FD 0");
    EXPECT_EQ(ui.messages.back(), Shown(DigitNotAllowed, {0, 1, 9}));
    warnings("1 0 0", NoMoreNumbers, "LT 3 6 0 9", NoMoreNumbers, "W FD", InstructionNotComplete);
    keys("PENUP");
    EXPECT_EQ(go(), (Lines{kHeader, "FD 1 0", "LT 3 6 0", "W", "PENUP"}));
    // A pitch goes no higher than 14.
    keys("Q 4 1 5");
    EXPECT_EQ(ui.messages.back(), Shown(DigitNotAllowed, {5, 0, 4}));
    keys("4");
    EXPECT_EQ(cursorLine(), "Q 4 1 4");
    warnings("Q 4 2 5", NoMoreNumbers);
    EXPECT_EQ(std::tuple(cursorLine(), InstructionNumber(*editor.cursor, 1),
                         InstructionNumber(*editor.cursor, 2)),
              std::tuple("Q 4 2", 4, 2));
}

TEST_F(KeyingMoves, DigitsWhereNoNumberIsWantedAndCmInsideADefinition) {
    for (const char* sequence : {"5", "RPT 2 [ 3", "FD [ 2 ] 3", "PENUP 1"}) {
        ui.clear();
        keys(sequence);
        EXPECT_EQ(ui.lastWarningId(), TextId::NumberNotExpected) << sequence;
    }
    keys("]");
    warnings("CM P 2 [ FD 1 CM", TextId::FinishDefiningFirst);
    warnings("] P 9 9 [ P 1 2", TextId::Procedure99CallsNone);
    editor.cursor = nullptr;
    EXPECT_EQ(EditorKey(editor, key::Digit0 + 1), status::Refused);
    EXPECT_EQ(ui.lastWarningId(), TextId::NumberWithoutInstruction);
}

using KeyingBrackets = Keying;

TEST_F(KeyingBrackets, UnitFormsAndTheirRefusals) {
    using enum TextId;
    keys("FD [ 2 5 ]");
    EXPECT_EQ(std::tuple(editor.cursor->opcode, InstructionNumber(*editor.cursor, 1)),
              std::tuple(op::MoveUnit, 25));
    // PENUP is blocked before the first digit, CE too while the bracket is awaited.
    warnings("LT [ ]", InstructionNeedsNumber, "RT", InstructionNotComplete, "PENUP",
             InstructionNotComplete, "1 2 FD", InstructionNotComplete, "LT", PressBracketKey, "CE",
             PressBracketKey);
    keys("]");
    EXPECT_EQ(std::tuple(cursorLine(), editor.cursor->opcode),
              std::tuple("RT [ 1 2 ]", op::TurnUnit));
    warnings("Q [ 2 ]", InstructionNotComplete);
    keys("3 ]");
    EXPECT_EQ(cursorLine(), "Q [ 2 3 ]");
    warnings("S [ ]", SenseNotComplete, "PENUP", InstructionNeedsNumber, "RPT",
             InstructionNotComplete, "2 3", NoMoreNumbers, "RPT", PressBracketKey);
    keys("]");
    EXPECT_EQ(at(), std::tuple("S [ 2 ]", 0, kMemoryUnits - 3 - 4 - 3 - 4));
    EXPECT_TRUE(editor.cursor->complete);
    // Once closed, a Sense or a unit form is cleared like any instruction.
    keys("CE");
    EXPECT_EQ(cursorLine(), "Q [ 2 3 ]");
    keys("CE");
    EXPECT_EQ(cursorLine(), "RT [ 1 2 ]");
}

TEST_F(KeyingBrackets, BracketsWhereNoneIsExpectedAndRepeatsNestFiveDeep) {
    using enum TextId;
    warnings("FD 5 [", BracketNotExpected, "W [", BracketNotExpected, "5 RPT [",
             InstructionNeedsNumber, "4 S", InstructionNotComplete);
    keys("[ FD 1 ]");
    EXPECT_EQ(go(), (Lines{kHeader, "FD 5", "W 5", "RPT 4 [", "FD 1", "]"}));
    EXPECT_EQ(indents(GO_LIST), (std::vector<int>{0, 0, 0, 0, 3, 2}));
    ui.clear();
    keys("RPT 2 [ RPT 2 [ RPT 2 [ RPT 2 [ RPT 2 [");
    EXPECT_TRUE(ui.messages.empty());
    warnings("RPT", TooManyNestedRepeats);
    keys("FD 1 ] ] ] ] ]");
    EXPECT_EQ(OpenRepeatsAt(editor.cursor), 0);
    warnings("]", BracketNotExpected);
}

TEST(BracketKey, ReportsWhatItDidToTheListWindow) {
    using namespace status;
    const std::pair<const char*, KeyStatus> cases[] = {{"RPT 2", Changed},
                                                       {"RPT 2 [ FD 1", Added},
                                                       {"S", Changed},
                                                       {"S [ 2", Changed},
                                                       {"FD", Changed},
                                                       {"FD [ 2", Changed},
                                                       {"Q [ 2 3", Changed},
                                                       {"Q [ 2", Refused},
                                                       {"W", Refused},
                                                       {"P 3", DefinitionMade},
                                                       {"P 3 [ FD 1", DefinitionClosed},
                                                       {"P 3 [ ] P 3", DefinitionOpened}};
    for (const auto& [before, expected] : cases) {
        Recorder ui;
        ui.answers.push_back(Answer::Edit);
        NameTables tables;
        GoEditor editor(ui, tables);
        ASSERT_TRUE(KeySequence(editor, before));
        EXPECT_EQ(ContainerKey(editor, key::Bracket), expected) << before;
    }
}

using KeyingProcedures = Keying;
using At = std::tuple<std::string, int, int>;

TEST_F(KeyingProcedures, ExistingDefinitionAnswers) {
    keys("P 3 [ FD 1 ] P 3 [");
    EXPECT_EQ(ui.questions.back(), Shown(TextId::DeleteProcedureQuestion, {3}));
    EXPECT_EQ(go(), (Lines{kHeader, "P 3"})); // No keeps the call
    ui.answers.push_back(Answer::Yes);
    keys("[");
    EXPECT_EQ(std::tuple(proc().size(), editor.memoryUnitsLeft), std::tuple(0u, kMemoryUnits - 3));
    keys("[ BK 1 ]");
    EXPECT_EQ(std::tuple(go(), proc()), std::tuple(Lines{kHeader}, Lines{"P 3 [", "BK 1", "]"}));
    keys("FD 2 P 3");
    ui.answers.push_back(Answer::Edit);
    keys("[");
    EXPECT_EQ(at(), At("P 3 [", 3, kMemoryUnits - 8 - 3 - 1 - 3));
    EXPECT_EQ(go(), (Lines{kHeader, "FD 2"}));
    keys("LT 1 ]");
    EXPECT_EQ(ui.messages.back(), Shown(TextId::ProcedureAlreadyClosed, {3}));
    keys("CE");
    EXPECT_EQ(std::tuple(proc(), cursorLine()), std::tuple(Lines{"P 3 [", "BK 1", "]"}, "P 3 ["));
    warnings("CE", TextId::DeleteGoListProcedures);
}

TEST_F(KeyingProcedures, BracketsInsideADefinition) {
    keys("P 6 [ FD 1 FD 2");
    editor.cursor = editor.Head(PROC_LIST)->next;
    keys("]");
    EXPECT_EQ(ui.messages.back(), Shown(TextId::BracketAtProcedureEnd, {6}));
    editor.cursor = editor.Last(PROC_LIST);
    // The call inside the Repeat is incomplete.
    warnings("RPT 2 [ P 3 ]", TextId::UnexpectedKeypress);
    // Nor does a note without its pitch end the definition.
    keys("CE RT 1 ] Q 1");
    ui.clear();
    warnings("]", TextId::UnexpectedKeypress);
    keys("CE ]");
    EXPECT_EQ(proc(), (Lines{"P 6 [", "FD 1", "FD 2", "RPT 2 [", "RT 1", "]", "]"}));
}

using KeyingMemory = Keying;

TEST_F(KeyingMemory, FullMemoryRefusesDefinitionsAndInstructions) {
    for (int i = 0; i < 60; ++i)
        keys("FD 1");
    keys("P 5");
    EXPECT_TRUE(ui.messages.empty());
    warnings("[", TextId::NoRoomForDefinition);
    EXPECT_EQ(at(), At("P 5", 0, 4));
    keys("FD 1");
    EXPECT_EQ(ContainerKey(editor, key::Forward), status::Refused);
    EXPECT_EQ(ui.messages.back(), Shown(TextId::ZarnikMemoryFull));
    EXPECT_EQ(std::tuple(go().size(), editor.memoryUnitsLeft, editor.modified),
              std::tuple(63u, 1, 1u));
}

TEST_F(KeyingMemory, EmptyProceduresAreReclaimed) {
    keys("P 1 [ ] P 2 [ ]");
    EXPECT_EQ(proc(), (Lines{"P 1 [", "]", "P 2 [", "]"}));
    for (int i = 0; i < 55; ++i)
        keys("FD 1");
    keys("RT 9 0"); // fits exactly: the empty definitions stay
    EXPECT_EQ(std::tuple(ui.messages.size(), proc().size(), editor.memoryUnitsLeft),
              std::tuple(0u, 4u, 187 - 18 - 165 - 4));
    keys("FD 1");
    EXPECT_EQ(ids(), (Ids{TextId::EmptyProceduresForRoom}));
    EXPECT_EQ(std::tuple(proc().size(), at()), std::tuple(0u, At("FD 1", 0, 18 - 3)));
}

using ListClicks = Keying;

TEST_F(ListClicks, GoListLineBecomesTheCursor) {
    keys("FD 1 RPT 2 [ BK 1 ]");
    EXPECT_TRUE(ClickGoListLine(editor, 3));
    EXPECT_EQ(std::tuple(cursorLine(), ui.cursors[GO_LIST].line), std::tuple("RPT 2 [", 3));
    EXPECT_TRUE(ClickGoListLine(editor, 40)); // below the end: the last line
    EXPECT_EQ(cursorLine(), "]");
    keys("W");
    EXPECT_FALSE(ClickGoListLine(editor, 2));
    EXPECT_EQ(std::tuple(ui.lastWarningId(), cursorLine()),
              std::tuple(TextId::PleaseCompleteInstruction, "W"));
    // A call without its number is unfinished too, not a call too low.
    keys("CE P");
    EXPECT_FALSE(ClickGoListLine(editor, 2));
    EXPECT_EQ(std::tuple(ui.lastWarningId(), cursorLine()),
              std::tuple(TextId::PleaseCompleteInstruction, "P"));
}

TEST_F(ListClicks, OpenDefinitionBlocksTheGoList) {
    keys("P 4 [ FD 1");
    EXPECT_FALSE(ClickGoListLine(editor, 1));
    EXPECT_EQ(ui.messages.back(), Shown(TextId::DefinitionIncomplete, {4}));
    keys("P 2");
    EXPECT_FALSE(ClickProcedureLine(editor, 1));
    EXPECT_EQ(ui.messages.back(), Shown(TextId::UseHigherProcedure, {4, 2, 4}));
}

TEST_F(ListClicks, ProcedureLinesOpenTheirDefinition) {
    keys("FD 3 P 4 [ FD 1 ] P 5 [ BK 2 ]");
    EXPECT_FALSE(ClickProcedureLine(editor, 3)); // the end bracket
    EXPECT_EQ(ui.lastWarningId(), TextId::CursorOnlyInDefinition);
    EXPECT_TRUE(ClickProcedureLine(editor, 5));
    EXPECT_EQ(std::tuple(editor.procedureBeingDefined, ui.cursors[PROC_LIST].line,
                         ui.cursors[GO_LIST].visible),
              std::tuple(5, 5, false));
    keys("CE W 2");
    EXPECT_EQ(proc()[4], "W 2");
    // Keying goes back to the GO list with a click there.
    EXPECT_TRUE(ClickGoListLine(editor, 2));
    EXPECT_EQ(editor.procedureBeingDefined, 0);
    keys("BK 1");
    EXPECT_EQ(go(), (Lines{kHeader, "FD 3", "BK 1"}));
    // A click within a definition being keyed keeps where keying returns.
    keys("P 6 [ FD 1 FD 2");
    EXPECT_TRUE(ClickProcedureLine(editor, 9));
    keys("] W 1");
    EXPECT_EQ(go(), (Lines{kHeader, "FD 3", "BK 1", "W 1"}));
}

} // namespace
} // namespace zf::test
