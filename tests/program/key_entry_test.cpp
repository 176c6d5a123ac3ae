#include "keying_fixture.h"

namespace zf::test {
namespace {

const std::string kHeader = "NAME(\"My Go Program.gop\")";

using KeyingMoves = Keying;

TEST_F(KeyingMoves, DigitRangesAndLimits) {
    keys("FD 0");
    EXPECT_EQ(ui.messages.back(),
              (ShownMessage{TextId::DigitNotAllowed, Text(TextId::DigitNotAllowed, {0, 1, 9})}));
    keys("1 0 0");
    EXPECT_EQ(ui.lastWarningId(), TextId::NoMoreNumbers);
    keys("LT 3 6 0 9");
    EXPECT_EQ(ui.lastWarningId(), TextId::NoMoreNumbers);
    keys("W");
    keys("FD");
    EXPECT_EQ(ui.lastWarningId(), TextId::InstructionNotComplete);
    keys("PENUP");
    EXPECT_EQ(go(), (Lines{kHeader, "FD 1 0", "LT 3 6 0", "W", "PENUP"}));
}

TEST_F(KeyingMoves, QuaverPitchDigits) {
    keys("Q 4 1 5");
    EXPECT_EQ(ui.messages.back(),
              (ShownMessage{TextId::DigitNotAllowed, Text(TextId::DigitNotAllowed, {5, 0, 4})}));
    keys("4");
    EXPECT_EQ(cursorLine(), "Q 4 1 4");
    keys("Q 4 2 5");
    EXPECT_EQ(ui.lastWarningId(), TextId::NoMoreNumbers);
    EXPECT_EQ(cursorLine(), "Q 4 2");
    EXPECT_EQ(InstructionNumber(*editor.cursor, 1), 4);
    EXPECT_EQ(InstructionNumber(*editor.cursor, 2), 2);
}

TEST_F(KeyingMoves, DigitsRefusedOutright) {
    for (const char* sequence : {"5", "RPT 2 [ 3", "FD [ 2 ] 3", "PENUP 1"}) {
        ui.clear();
        keys(sequence);
        EXPECT_EQ(ui.lastWarningId(), TextId::NumberNotExpected) << sequence;
    }
    EXPECT_EQ(ContainerKey(editor, 99), status::Refused); // no key has that code
    ui.clear();
    editor.cursor = nullptr;
    EXPECT_EQ(EditorKey(editor, key::Digit0 + 1), status::Refused);
    EXPECT_EQ(ui.lastWarningId(), TextId::NumberWithoutInstruction);
}

using KeyingBrackets = Keying;

TEST_F(KeyingBrackets, UnitFormsAndTheirRefusals) {
    keys("FD [ 2 5 ]");
    EXPECT_EQ(editor.cursor->opcode, op::MoveUnit);
    EXPECT_EQ(InstructionNumber(*editor.cursor, 1), 25);
    keys("LT [ ]");
    EXPECT_EQ(ui.lastWarningId(), TextId::InstructionNeedsNumber);
    keys("PENUP");
    EXPECT_EQ(ui.lastWarningId(), TextId::InstructionNotComplete); // blocked before its first digit
    keys("1 2 FD");
    EXPECT_EQ(ui.lastWarningId(), TextId::InstructionNotComplete);
    keys("LT");
    EXPECT_EQ(ui.lastWarningId(), TextId::PressBracketKey);
    keys("CE");
    EXPECT_EQ(ui.lastWarningId(), TextId::PressBracketKey); // CE is blocked too
    keys("]");
    EXPECT_EQ(cursorLine(), "RT [ 1 2 ]");
    EXPECT_EQ(editor.cursor->opcode, op::TurnUnit);
    keys("Q [ 2 ]");
    EXPECT_EQ(ui.lastWarningId(), TextId::InstructionNotComplete);
    keys("3 ]");
    EXPECT_EQ(cursorLine(), "Q [ 2 3 ]");
    keys("S [ ]");
    EXPECT_EQ(ui.lastWarningId(), TextId::SenseNotComplete);
    keys("PENUP");
    EXPECT_EQ(ui.lastWarningId(), TextId::InstructionNeedsNumber);
    keys("RPT");
    EXPECT_EQ(ui.lastWarningId(), TextId::InstructionNotComplete);
    keys("2 3");
    EXPECT_EQ(ui.lastWarningId(), TextId::NoMoreNumbers);
    keys("RPT");
    EXPECT_EQ(ui.lastWarningId(), TextId::PressBracketKey);
    keys("]");
    EXPECT_EQ(cursorLine(), "S [ 2 ]");
    EXPECT_TRUE(editor.cursor->complete);
    EXPECT_EQ(editor.memoryUnitsLeft, kMemoryUnits - 3 - 4 - 3 - 4);
}

TEST_F(KeyingBrackets, BracketsWhereNoneIsExpected) {
    keys("FD 5 [");
    EXPECT_EQ(ui.lastWarningId(), TextId::BracketNotExpected);
    keys("W [");
    EXPECT_EQ(ui.lastWarningId(), TextId::BracketNotExpected);
    keys("5 RPT [");
    EXPECT_EQ(ui.lastWarningId(), TextId::InstructionNeedsNumber);
    keys("4 S");
    EXPECT_EQ(ui.lastWarningId(), TextId::InstructionNotComplete);
    keys("[ FD 1 ]");
    EXPECT_EQ(go(), (Lines{kHeader, "FD 5", "W 5", "RPT 4 [", "FD 1", "]"}));
    EXPECT_EQ(indents(GO_LIST), (std::vector<int>{0, 0, 0, 0, 3, 2}));
}

TEST(BracketKey, ReportsWhatItDidToTheListWindow) {
    const std::pair<const char*, KeyStatus> cases[] = {{"RPT 2", status::Changed},
                                                       {"RPT 2 [ FD 1", status::Added},
                                                       {"S", status::Changed},
                                                       {"S [ 2", status::Changed},
                                                       {"FD", status::Changed},
                                                       {"FD [ 2", status::Changed},
                                                       {"Q [ 2 3", status::Changed},
                                                       {"Q [ 2", status::Refused},
                                                       {"W", status::Refused},
                                                       {"P 3", status::DefinitionMade},
                                                       {"P 3 [ FD 1", status::DefinitionClosed},
                                                       {"P 3 [ ] P 3", status::DefinitionOpened}};
    for (const auto& [before, expected] : cases) {
        Recorder ui;
        ui.answers.push_back(Answer::Edit);
        NameTables tables;
        GoEditor editor(ui, tables);
        ASSERT_TRUE(KeySequence(editor, before));
        EXPECT_EQ(ContainerKey(editor, key::Bracket), expected) << before;
    }
}

TEST_F(KeyingBrackets, RepeatsNestFiveDeep) {
    keys("RPT 2 [ RPT 2 [ RPT 2 [ RPT 2 [ RPT 2 [");
    EXPECT_TRUE(ui.messages.empty());
    keys("RPT");
    EXPECT_EQ(ui.lastWarningId(), TextId::TooManyNestedRepeats);
    keys("FD 1 ] ] ] ] ]");
    EXPECT_EQ(OpenRepeatsAt(editor.cursor), 0);
    keys("]");
    EXPECT_EQ(ui.lastWarningId(), TextId::BracketNotExpected);
}

using KeyingProcedures = Keying;

TEST_F(KeyingProcedures, DefiningMovesTheDefinitionAndReturns) {
    keys("FD 1 P 3 [");
    EXPECT_EQ(editor.procedureBeingDefined, 3);
    EXPECT_EQ(go(), (Lines{kHeader, "FD 1"}));
    EXPECT_EQ(proc(), (Lines{"P 3 ["}));
    EXPECT_EQ(editor.memoryUnitsLeft, kMemoryUnits - 3 - 8);
    keys("RT 9 0 ]");
    EXPECT_EQ(editor.procedureBeingDefined, 0);
    EXPECT_EQ(proc(), (Lines{"P 3 [", "RT 9 0", "]"}));
    EXPECT_EQ(cursorLine(), "FD 1");
    keys("P 3");
    EXPECT_EQ(go(), (Lines{kHeader, "FD 1", "P 3"}));
    EXPECT_EQ(editor.memoryUnitsLeft, kMemoryUnits - 3 - 8 - 4 - 1 - 3);
}

TEST_F(KeyingProcedures, CallsMustUseHigherNumbers) {
    keys("P 5 0 [ P 1 2");
    EXPECT_EQ(ui.messages.back(), (ShownMessage{TextId::UseHigherProcedure,
                                                Text(TextId::UseHigherProcedure, {50, 12, 50})}));
    EXPECT_EQ(cursorLine(), "P");
    EXPECT_FALSE(editor.cursor->complete);
    keys("CE ] P 3 [ P 3 ]");
    EXPECT_EQ(ui.messages.back(), (ShownMessage{TextId::UseHigherProcedure,
                                                Text(TextId::UseHigherProcedure, {3, 3, 3})}));
    keys("0 ]");
    EXPECT_EQ(proc(), (Lines{"P 5 0 [", "]", "P 3 [", "P 3 0", "]"}));
    keys("P 9 9 [ P 1 2");
    EXPECT_EQ(ui.lastWarningId(), TextId::Procedure99CallsNone);
    keys("7 ]");
    EXPECT_EQ(ui.messages.back(), (ShownMessage{TextId::UseHigherProcedure,
                                                Text(TextId::UseHigherProcedure, {99, 7, 99})}));
}

TEST_F(KeyingProcedures, ExistingDefinitionAnswers) {
    keys("P 3 [ FD 1 ] P 3 [");
    EXPECT_EQ(ui.questions.back(), (ShownMessage{TextId::DeleteProcedureQuestion,
                                                 Text(TextId::DeleteProcedureQuestion, {3})}));
    EXPECT_EQ(go(), (Lines{kHeader, "P 3"})); // No keeps the call
    ui.answers.push_back(Answer::Yes);
    keys("[");
    EXPECT_TRUE(proc().empty());
    EXPECT_EQ(editor.memoryUnitsLeft, kMemoryUnits - 3);
    keys("[ BK 1 ]");
    EXPECT_EQ(proc(), (Lines{"P 3 [", "BK 1", "]"}));
    EXPECT_EQ(go(), (Lines{kHeader}));
    keys("FD 2 P 3");
    ui.answers.push_back(Answer::Edit);
    keys("[");
    EXPECT_EQ(editor.procedureBeingDefined, 3);
    EXPECT_EQ(cursorLine(), "P 3 [");
    EXPECT_EQ(go(), (Lines{kHeader, "FD 2"}));
    keys("]");
    EXPECT_EQ(ui.messages.back(), (ShownMessage{TextId::ProcedureAlreadyClosed,
                                                Text(TextId::ProcedureAlreadyClosed, {3})}));
    keys("LT 1 ]");
    EXPECT_EQ(ui.messages.back(), (ShownMessage{TextId::ProcedureAlreadyClosed,
                                                Text(TextId::ProcedureAlreadyClosed, {3})}));
    keys("CE");
    EXPECT_EQ(proc(), (Lines{"P 3 [", "BK 1", "]"}));
    EXPECT_EQ(cursorLine(), "P 3 [");
    keys("CE");
    EXPECT_EQ(ui.lastWarningId(), TextId::DeleteGoListProcedures);
}

TEST_F(KeyingProcedures, BracketsInsideADefinition) {
    keys("P 6 [ FD 1 FD 2");
    editor.cursor = editor.Head(PROC_LIST)->next;
    keys("]");
    EXPECT_EQ(ui.messages.back(), (ShownMessage{TextId::BracketAtProcedureEnd,
                                                Text(TextId::BracketAtProcedureEnd, {6})}));
    editor.cursor = editor.Last(PROC_LIST);
    keys("RPT 2 [ P 3 ]");
    EXPECT_EQ(ui.lastWarningId(),
              TextId::UnexpectedKeypress); // the call inside the Repeat is incomplete
    keys("CE RT 1 ] ]");
    EXPECT_EQ(proc(), (Lines{"P 6 [", "FD 1", "FD 2", "RPT 2 [", "RT 1", "]", "]"}));
}

TEST_F(KeyingProcedures, EditedDefinitionClosesBackAtTheRememberedLine) {
    keys("P 4 [ W 1 ] FD 1 P 4");
    ui.answers.push_back(Answer::Edit);
    keys("[");
    // The definition is closed already: a second end is refused.
    editor.cursor = editor.Last(PROC_LIST);
    keys("]");
    EXPECT_EQ(ui.messages.back(), (ShownMessage{TextId::ProcedureAlreadyClosed,
                                                Text(TextId::ProcedureAlreadyClosed, {4})}));
    keys("CE W 2 ]");
    EXPECT_EQ(proc(), (Lines{"P 4 [", "W 1", "W 2", "]"}));
    EXPECT_EQ(editor.procedureBeingDefined, 0);
    EXPECT_EQ(cursorLine(), "FD 1");
    keys("BK 1");
    EXPECT_EQ(go(), (Lines{kHeader, "FD 1", "BK 1"}));
}

TEST_F(KeyingProcedures, ClearMemoryEmptiesAllButDefinitions) {
    keys("FD 3 CM");
    EXPECT_TRUE(go().empty());
    EXPECT_EQ(editor.modified, 0u);
    EXPECT_EQ(editor.memoryUnitsLeft, kMemoryUnits);
    keys("BK 1");
    EXPECT_EQ(go(), (Lines{kHeader, "BK 1"}));

    keys("P 2 [ FD 1");
    keys("CM");
    EXPECT_EQ(ui.lastWarningId(), TextId::FinishDefiningFirst);
    keys("] FD 3 CM");
    EXPECT_EQ(go(), (Lines{kHeader}));
    EXPECT_EQ(proc(), (Lines{"P 2 [", "FD 1", "]"}));
    EXPECT_EQ(editor.modified, 1u);
    EXPECT_EQ(editor.memoryUnitsLeft, kMemoryUnits - 12);
}

using KeyingMemory = Keying;

TEST_F(KeyingMemory, FullMemoryRefusesDefinitionsAndInstructions) {
    for (int i = 0; i < 60; ++i)
        keys("FD 1");
    keys("P 5");
    EXPECT_EQ(editor.memoryUnitsLeft, 4);
    EXPECT_TRUE(ui.messages.empty());
    keys("[");
    EXPECT_EQ(ui.lastWarningId(), TextId::NoRoomForDefinition);
    EXPECT_EQ(cursorLine(), "P 5");
    EXPECT_EQ(editor.procedureBeingDefined, 0);
    keys("FD 1 FD");
    EXPECT_EQ(editor.memoryUnitsLeft, 1);
    EXPECT_EQ(ui.messages.back(),
              (ShownMessage{TextId::ZarnikMemoryFull, Text(TextId::ZarnikMemoryFull)}));
    EXPECT_EQ(go().size(), 63u);
}

TEST_F(KeyingMemory, EmptyProceduresAreReclaimed) {
    keys("P 1 [ ] P 2 [ ]");
    EXPECT_EQ(proc(), (Lines{"P 1 [", "]", "P 2 [", "]"}));
    for (int i = 0; i < 56; ++i)
        keys("FD 1");
    EXPECT_EQ(editor.memoryUnitsLeft, 187 - 18 - 168);
    keys("FD 1");
    EXPECT_EQ(ids(), (Ids{TextId::EmptyProceduresForRoom}));
    EXPECT_TRUE(proc().empty());
    EXPECT_EQ(go().back(), "FD 1");
    EXPECT_EQ(editor.memoryUnitsLeft, 187 - 171);
}

TEST_F(KeyingMemory, CeGivesUnitsBackAndClearsModified) {
    keys("FD 1 RPT 2 [ BK 1 ]");
    EXPECT_EQ(editor.memoryUnitsLeft, kMemoryUnits - 14);
    keys("CE CE");
    EXPECT_EQ(go(), (Lines{kHeader, "FD 1", "RPT 2 ["}));
    EXPECT_EQ(editor.memoryUnitsLeft, kMemoryUnits - 8);
    keys("CE CE CE");
    EXPECT_TRUE(go().empty());
    EXPECT_EQ(editor.modified, 0u);
    EXPECT_EQ(editor.memoryUnitsLeft, kMemoryUnits);
}

TEST_F(KeyingMemory, GraphicCommandsCostNothingAndFollowIncompleteInstructions) {
    keys("W POS(1,-2) HEAD(90) STAMP(star.bmp) TEXT(\"Hi there\",4)");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(go(), (Lines{kHeader, "W", "POS(1,-2)", "HEAD(90)", "STAMP(star.bmp)",
                           "TEXT(\"Hi there\",4)"}));
    EXPECT_EQ(editor.memoryUnitsLeft, kMemoryUnits - 3);
    const GoInstruction* pos = editor.Head(GO_LIST)->next->next;
    EXPECT_EQ(pos->value1, 1800);
    EXPECT_EQ(pos->value2, 2100);
}

TEST_F(KeyingMemory, PlaceAndEditTextAskTheDialogAndCancelChangesNothing) {
    EXPECT_EQ(ContainerKey(editor, key::PlaceText), status::Refused);
    EXPECT_EQ(go(), (Lines{kHeader}));
    ui.textChoice = DefaultTextObject(tables);
    ui.textChoice->placement = 4;
    EXPECT_EQ(ContainerKey(editor, key::PlaceText), status::Added);
    ui.textChoice->placement = 7;
    EXPECT_EQ(ContainerKey(editor, key::EditText), status::Changed);
    EXPECT_EQ(editor.cursor->textObject->placement, 7);
    keys("FD 1");
    EXPECT_EQ(ContainerKey(editor, key::EditText), status::Refused);
}

} // namespace
} // namespace zf::test
