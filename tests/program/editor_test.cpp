#include "keying_fixture.h"

#include <tuple>

namespace zf::test {
namespace {

// Appends loaded instructions, as a file load does: units charged unchecked.
void Load(GoEditor& editor, int list, std::uint8_t opcode, std::initializer_list<int> digits = {},
          bool bracket = false, int times = 1) {
    GoInstruction record(opcode);
    int i = 0;
    for (int d : digits)
        record.digits[i++] = static_cast<std::uint8_t>(d);
    record.bracketOpen = bracket;
    record.complete = 1;
    while (times-- > 0)
        editor.InsertCopy(record, list);
}

const std::string kHeader = "NAME(\"My Go Program.gop\")";

using Lists = Keying;

TEST_F(Lists, InstructionNumbers) {
    keys("Q 1 1 4 LT 3 6 0 M 2 1 2 3 T 4 2 S 5 9 9 FD");
    std::vector<std::pair<int, int>> numbers;
    for (const GoInstruction* in = editor.Head(GO_LIST)->next; in; in = in->next)
        numbers.push_back({InstructionNumber(*in, 1), InstructionNumber(*in, 2)});
    EXPECT_EQ(numbers, (std::vector<std::pair<int, int>>{
                           {1, 14}, {360, 360}, {2, 123}, {4, 2}, {5, 99}, {0, 0}}));
}

TEST_F(Lists, LoadedCopiesAreChargedWithoutACheck) {
    editor.DestroyProgramList(GO_LIST);
    EXPECT_EQ(editor.memoryUnitsLeft, 187);
    Load(editor, GO_LIST, op::Forward, {1}, false, 70);
    EXPECT_EQ(editor.memoryUnitsLeft, 187 - 210);
    warnings("FD", TextId::ZarnikMemoryFull);
    editor.DestroyProgramList(GO_LIST);
    EXPECT_EQ(std::tuple(editor.memoryUnitsLeft, editor.cursor), std::tuple(187, nullptr));
}

TEST(EditorRelease, KeptWhileTheGoListHoldsInstructions) {
    Recorder ui;
    NameTables tables;
    auto editor = std::make_unique<GoEditor>(ui, tables);
    EXPECT_FALSE(ReleaseEditor(editor));
    EXPECT_EQ(ui.lastWarningId(), TextId::GoProgramNotReleased);
    ASSERT_TRUE(editor);
    editor->DestroyProgramList(GO_LIST);
    EXPECT_TRUE(ReleaseEditor(editor));
    EXPECT_FALSE(editor);
    EXPECT_TRUE(ReleaseEditor(editor)); // nothing left to release
}

TEST_F(Lists, BracketOnADefinitionOutsideDefinitionMode) {
    keys("P 2 [ RPT 2 [ FD 1 ] ]");
    editor.cursor = editor.Head(PROC_LIST);
    keys("]");
    EXPECT_EQ(ui.lastWarningId(), TextId::ErasesProcedure);
    EXPECT_EQ(proc().size(), 5u);
}

// A list's check: its answer, the warning it left and the line it put the cursor on.
struct Checks : Keying {
    std::tuple<int, TextId, std::string> check(int list) {
        const int found = list == GO_LIST ? CheckGoList(&editor) : CheckProcList(&editor);
        return {found, ui.lastWarningId(), cursorLine()};
    }
};
using Found = std::tuple<int, TextId, std::string>;

TEST_F(Checks, OpenAndSurplusRepeats) {
    keys("RPT 2 [ RPT 3 [ FD 1");
    EXPECT_EQ(check(GO_LIST), Found(5, TextId::GoIncompleteRepeats, "RPT 3 ["));
    EXPECT_EQ(ui.messages.back(), Shown(TextId::GoIncompleteRepeats, {2}));
    editor.cursor = editor.Last(GO_LIST);
    keys("]");
    EXPECT_EQ(check(GO_LIST), Found(5, TextId::GoIncompleteRepeat, "RPT 2 ["));
    editor.cursor = editor.Last(GO_LIST);
    keys("] FD 1");
    EXPECT_EQ(CheckGoList(&editor), 0);
    // Deleting a Repeat leaves its end bracket over.
    editor.cursor = editor.Head(GO_LIST)->next;
    keys("CE");
    EXPECT_EQ(check(GO_LIST), Found(5, TextId::GoRepeatDeleted, "]"));
    EXPECT_EQ(editor.LineOf(GO_LIST, editor.cursor), 5);
    EXPECT_EQ(indents(GO_LIST), (std::vector<int>{0, 0, 3, 2, 0, 0}));
}

TEST_F(Checks, TooDeepNestingFromAFile) {
    // Six deep is one too many, however many instructions lie between.
    editor.DestroyProgramList(GO_LIST);
    Load(editor, GO_LIST, op::GoProgramHeader);
    for (int i = 0; i < 6; ++i) {
        Load(editor, GO_LIST, op::Repeat, {2}, true);
        Load(editor, GO_LIST, op::Forward, {1});
    }
    Load(editor, GO_LIST, op::RepeatEnd, {}, false, 6);
    ASSERT_EQ(CheckGoList(&editor), 6);
    EXPECT_EQ(ui.messages.back(), Shown(TextId::GoTooManyNestedRepeats, {1}));
    EXPECT_EQ(editor.LineOf(GO_LIST, editor.cursor), 12);

    // Each definition counts its own depth: three open in one and three in
    // the next are not six.
    Load(editor, PROC_LIST, op::ProcedureDef, {3}, true);
    Load(editor, PROC_LIST, op::Repeat, {2}, true, 3);
    Load(editor, PROC_LIST, op::ProcedureDef, {4}, true);
    Load(editor, PROC_LIST, op::Repeat, {2}, true, 3);
    EXPECT_EQ(CheckProcList(&editor), 5);
    Load(editor, PROC_LIST, op::Repeat, {2}, true, 3);
    Load(editor, PROC_LIST, op::ProcedureEnd);
    ASSERT_EQ(CheckProcList(&editor), 6);
    EXPECT_EQ(ui.messages.back(), Shown(TextId::ProcTooManyNestedRepeats, {1}));
    EXPECT_EQ(editor.procedureBeingDefined, 4);
}

TEST_F(Checks, ProcedureListProblems) {
    keys("P 1 [ RPT 2 [ FD 1 ] ] P 2 [ W 1");
    EXPECT_EQ(CheckProcList(&editor), 7);
    EXPECT_EQ(ui.messages.back(), Shown(TextId::AddBracketToProcedure, {2}));
    editor.cursor = editor.Last(PROC_LIST);
    keys("]");
    EXPECT_EQ(CheckProcList(&editor), 0);
    // A Repeat left open in the first definition is found too, not only in
    // the last one.
    editor.cursor = editor.Head(PROC_LIST)->next->next->next;
    editor.procedureBeingDefined = 1;
    keys("CE");
    editor.procedureBeingDefined = 0;
    EXPECT_EQ(check(PROC_LIST), Found(5, TextId::ProcIncompleteRepeat, "RPT 2 ["));
    EXPECT_EQ(editor.procedureBeingDefined, 1);
}

TEST_F(Lists, IndentsOfRepeatsAndProcedures) {
    keys("RPT 1 2 [ FD 1 RPT 3 [ BK 1 ] ] P 7 [ RPT 2 [ W 1 ] ]");
    EXPECT_EQ(indents(GO_LIST), (std::vector<int>{0, 0, 4, 4, 7, 6, 3}));
    EXPECT_EQ(indents(PROC_LIST), (std::vector<int>{0, 3, 6, 5, 2}));
}

} // namespace
} // namespace zf::test
