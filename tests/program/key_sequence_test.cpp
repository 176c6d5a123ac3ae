#include "keying_fixture.h"

#include "program/printing_ui.h"
#include "program/string_table.h"

namespace zf::test {
namespace {

struct KeySequenceNotation : Keying {
    std::vector<KeyPress> presses;
    std::string error;
};

TEST_F(KeySequenceNotation, PositionsConvertAsTheDialogDoesAndHeadingsComeBackIntoACircle) {
    // Far positions stay far, for the run to refuse.
    ASSERT_TRUE(ParseKeySequence(tables,
                                 "POS(-1.5,0.25) POS(218,0) HEAD(2147483647) HEAD(-90) HEAD(1e300)",
                                 presses, error, {4000, 2000}));
    EXPECT_EQ(std::tuple(presses[0].argument.value1, presses[0].argument.value2,
                         presses[1].argument.value1, presses[2].argument.value1,
                         presses[3].argument.value1),
              std::tuple(2000 - 450, 1000 - 75, 218 * 300 + 2000, 127, 270));
    EXPECT_GE(presses[4].argument.value1, 0);
    EXPECT_LT(presses[4].argument.value1, 360);
    ASSERT_TRUE(KeySequence(editor, "POS(-1.5,0.25)", nullptr, {4000, 2000}));
    EXPECT_EQ(ListingLine(*editor.cursor, tables, {4000, 2000}), "POS(-1.5,0.25)");
}

TEST_F(KeySequenceNotation, AListingKeysBackToTheSameProgram) {
    keys("TEXT(\"\\x4F\\x6f\\x4A\\x6a\\x39 say \\\"hi\\\" \\\\ (now)\\x40\\xg0\\x0Athere\\\\\",3) "
         "STAMP(\"my "
         "tree.bmp\") FD 2 PEN(\"x\"y.bmp)");
    const std::string listing = FormatLists(editor);
    EXPECT_STREQ(tables.texts.Get(editor.Head(GO_LIST)->next->textObject->textId),
                 "OoJj9 say \"hi\" \\ (now)@xg0\nthere\\");
    // A quote that does not close the whole name is part of it.
    EXPECT_STREQ(tables.names.Get(editor.Last(GO_LIST)->nameId), "\"x\"y.bmp");
    // Every line keyed again gives the same lines.
    NameTables againTables;
    GoEditor again(ui, againTables);
    for (const GoInstruction* in = editor.Head(GO_LIST)->next; in; in = in->next)
        ASSERT_TRUE(KeySequence(again, ListingLine(*in, tables))) << ListingLine(*in, tables);
    EXPECT_EQ(FormatLists(again), listing);
}

TEST_F(KeySequenceNotation, BadTokensKeyNothing) {
    for (const char* bad : {"FD 2 JUMP", "POS(1)", "POS(,1)", "TEXT(\"open", "TEXT(x\\\"a\")",
                            "TEXT(\"a\",11)", "HEAD(x)", "STAMP(../../secret/secret.bmp)",
                            "SHAPE(\"a\\\\b.bmp\")", "PEN(/etc/passwd)", "STAMP(..)", "SHAPE()"}) {
        EXPECT_FALSE(KeySequence(editor, bad, &error)) << bad;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(editor.LineCount(GO_LIST), 1);
    EXPECT_FALSE(KeySequence(editor, "TEXT(\"open\\", &error));
    EXPECT_EQ(error, "unterminated quote in TEXT(\"open\\");
    EXPECT_FALSE(KeySequence(editor, "TEXT(hi)", &error));
    EXPECT_EQ(error, "TEXT needs a quoted text");
    EXPECT_TRUE(KeySequence(editor, "TEXT(\"a\",0) TEXT(\"b\",10)", &error)) << error;
}

TEST_F(KeySequenceNotation, ListingAndMessagesPrintAsTheToolShowsThem) {
    keys("FD 2 5 P 3 [ S [ 2 ] ] TEXT(\"two words\")");
    EXPECT_EQ(FormatLists(editor),
              "GO:\nNAME(\"My Go Program.gop\")\nFD 2 5\nTEXT(\"two words\",1)\n"
              "PROC:\nP 3 [\nS [ 2 ]\n]\nunits left: 171\n");
    EXPECT_EQ(FormatShownMessage(TextId::DigitNotAllowed, Text(TextId::DigitNotAllowed, {0, 1, 9})),
              "! 1078 A 0 is not allowed here.\n       Use a number from 1 to 9. ");
    EXPECT_EQ(FormatShownMessage(kUnnumbered, "x"), "! - x");
    Answer answer = Answer::No;
    EXPECT_TRUE(ParseAnswer("Edit", answer));
    EXPECT_EQ(answer, Answer::Edit);
    EXPECT_FALSE(ParseAnswer("maybe", answer));
    // Control bytes, as a damaged file may hold them, reach a terminal escaped.
    EXPECT_EQ(Printable("a \x1f\x7f\xc2\x80\xc2\x9f\xc2\xa0"),
              "a \\x1F\\x7F\\xC2\\x80\\xC2\\x9F\xc2\xa0");
    EXPECT_EQ(Printable(std::string_view("a\xc2\x85", 2)),
              "a\xc2"); // nothing read beyond

    // The keys' own names, in any case and with digit runs, key the same program.
    NameTables namedTables;
    GoEditor named(ui, namedTables);
    KeySequence(named, "forward 25 Procedure 3 [ SENSE [ 2 ] ] TEXT(\"two words\")");
    EXPECT_EQ(FormatLists(named), FormatLists(editor));
    ASSERT_TRUE(ParseKeySequence(tables, "Rpt [ cm go", presses, error));
    std::vector<int> codes;
    for (const auto& p : presses)
        codes.push_back(p.kind == KeyPress::Kind::ConfirmedClear ? -1 : p.key);
    EXPECT_EQ(codes, (std::vector<int>{key::Repeat, key::Bracket, -1, key::Go}));
}

} // namespace
} // namespace zf::test
