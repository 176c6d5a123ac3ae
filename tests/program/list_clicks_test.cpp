#include "keying_fixture.h"

#include "program/list_clicks.h"

namespace zf::test {
namespace {

using ListClicks = Keying;

TEST_F(ListClicks, GoListLineBecomesTheCursor) {
    keys("FD 1 RPT 2 [ BK 1 ]");
    EXPECT_TRUE(ClickGoListLine(editor, 3));
    EXPECT_EQ(cursorLine(), "RPT 2 [");
    EXPECT_EQ(ui.cursors[GO_LIST].line, 3);
    EXPECT_TRUE(ClickGoListLine(editor, 40)); // below the end: the last line
    EXPECT_EQ(cursorLine(), "]");
    keys("W");
    EXPECT_FALSE(ClickGoListLine(editor, 2));
    EXPECT_EQ(ui.lastWarningId(), TextId::PleaseCompleteInstruction);
    EXPECT_EQ(cursorLine(), "W");
}

TEST_F(ListClicks, OpenDefinitionBlocksTheGoList) {
    keys("P 4 [ FD 1");
    EXPECT_FALSE(ClickGoListLine(editor, 1));
    EXPECT_EQ(ui.messages.back(), (ShownMessage{TextId::DefinitionIncomplete,
                                                Text(TextId::DefinitionIncomplete, {4})}));
    keys("P 2");
    EXPECT_FALSE(ClickProcedureLine(editor, 1));
    EXPECT_EQ(ui.messages.back(), (ShownMessage{TextId::UseHigherProcedure,
                                                Text(TextId::UseHigherProcedure, {4, 2, 4})}));
}

TEST_F(ListClicks, ProcedureLinesOpenTheirDefinition) {
    keys("FD 3 P 4 [ FD 1 ] P 5 [ BK 2 ]");
    EXPECT_FALSE(ClickProcedureLine(editor, 3)); // the end bracket
    EXPECT_EQ(ui.lastWarningId(), TextId::CursorOnlyInDefinition);
    EXPECT_TRUE(ClickProcedureLine(editor, 5));
    EXPECT_EQ(editor.procedureBeingDefined, 5);
    EXPECT_EQ(ui.cursors[PROC_LIST].line, 5);
    EXPECT_FALSE(ui.cursors[GO_LIST].visible);
    keys("CE W 2");
    EXPECT_EQ(proc()[4], "W 2");
    // Keying goes back to the GO list with a click there.
    EXPECT_TRUE(ClickGoListLine(editor, 2));
    EXPECT_EQ(editor.procedureBeingDefined, 0);
    keys("BK 1");
    EXPECT_EQ(go(), (Lines{"NAME(\"My Go Program.gop\")", "FD 3", "BK 1"}));
}

} // namespace
} // namespace zf::test
