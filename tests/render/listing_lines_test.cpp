#include "render/listing_lines.h"

#include "program/key_sequence.h"
#include "program/string_table.h"
#include "render/artwork.h"
#include "render/contrast_look.h"
#include "render/render_support.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zf {
namespace {

using namespace zf::test;

std::unique_ptr<GoInstruction> Keyed(std::uint8_t opcode, std::initializer_list<int> digits,
                                     bool open = false) {
    auto in = std::make_unique<GoInstruction>(opcode);
    int i = 0;
    for (int d : digits)
        in->digits[i++] = static_cast<std::uint8_t>(d);
    in->bracketOpen = open;
    return in;
}

class ListingTest : public ::testing::Test {
  protected:
    QImage Line(const GoInstruction& in, int size = 30, int* end = nullptr) {
        QImage image = Filled(600, size + 10, Qt::white);
        QPainter p(&image);
        style.iconSize = size;
        const int x = DrawInstructionLine(p, in, 0, 0, style);
        if (end)
            *end = x;
        return image;
    }

    QRect Cell(int i, int size = 30) const { return QRect(i * size, 0, size, size); }

    NameTables tables;
    ListingStyle style{tables};
};

TEST_F(ListingTest, KeyLinesShowTheirPicturesAtEverySize) {
    auto repeat = Keyed(op::Repeat, {4}, true);
    int end = 0;
    QImage image = Line(*repeat, 30);
    EXPECT_GT(Count(image, Cell(0), kCyan), 300);   // R
    EXPECT_GT(Count(image, Cell(1), kYellow), 300); // 4
    EXPECT_GT(Count(image, Cell(2), kCyan), 300);   // [
    // The label is black in the middle of the circle.
    EXPECT_GT(Count(image, Cell(0).adjusted(8, 8, -8, -8), kBlack), 10);
    EXPECT_EQ(Count(image, Cell(3), kCyan), 0);

    // An unknown code is a question mark.
    image = Line(GoInstruction(200), 30, &end);
    EXPECT_GT(Count(image, Cell(0).adjusted(8, 8, -8, -8), kBlack), 5);
    EXPECT_EQ(Count(image, Cell(0), kCyan) + Count(image, Cell(0), kYellow), 0);

    // Quaver shows the note on magenta.
    ASSERT_FALSE(ProgramBitmap(artwork::Note).isNull());
    image = Line(*Keyed(op::Quaver, {}), 40);
    EXPECT_GT(Count(image, QRect(0, 0, 40, 40), kMagenta), 500);
    EXPECT_GT(Count(image, QRect(5, 5, 30, 30), kBlack), 40);

    // Turns point their way: the head is the wide end.
    const QImage left = Line(*Keyed(op::Left, {9})), right = Line(*Keyed(op::Right, {9}));
    const QRect before(13, 0, 2, 30), after(16, 0, 2, 30); // either side of the head's base
    EXPECT_GT(Count(left, before, kCyan), Count(left, after, kCyan));
    EXPECT_GT(Count(right, after, kCyan), Count(right, before, kCyan));
    EXPECT_EQ(Count(left, Cell(0), kBlack), 0); // filled, with no outline

    for (int size : {5, 50}) {
        image = Line(*Keyed(op::Back, {3}), size, &end);
        EXPECT_EQ(end, 2 * size);
        EXPECT_GT(Count(image, QRect(0, 0, size, size), kCyan), size * size / 5) << size;
        EXPECT_EQ(Count(image, QRect(2 * size, 0, 10, size), kYellow), 0) << size;
    }
}

TEST_F(ListingTest, GraphicLinesShowTheirIconAndText) {
    ASSERT_EQ(StripCell(ProgramBitmap(artwork::ProgramIcons), 0).size(), QSize(32, 32));
    EXPECT_TRUE(StripCell(ProgramBitmap(artwork::ProgramIcons), 17).isNull());
    GoInstruction position(op::SetPosition);
    position.value1 = 1500 + 450;
    position.value2 = 1500 + 300;
    int end = 0;
    QImage image = Line(position, 30, &end);
    EXPECT_GT(end, 40);
    // The framed icon, then black writing after it.
    ExpectPixels(image, {Pixel(0, 0, kBlack), Pixel(29, 29, kBlack)});
    EXPECT_GT(Count(image, QRect(31, 0, end - 31, 30), kBlack), 20);

    // Thumbnails come from the project folder, keyed by their top-left colour.
    ProjectDir dir;
    QImage framed = Filled(20, 20, Qt::red);
    framed.setPixel(0, 0, kMagenta);
    dir.WriteBitmap("objects/red.bmp", framed);
    style.folder = dir.Folder();
    GoInstruction stamp(op::PlaceStamp);
    stamp.nameId = tables.names.Add("red.bmp");
    EXPECT_GT(Count(Line(stamp, 30), QRect(31, 1, 28, 28), kRed), 500);
}

TEST_F(ListingTest, AListingDrawnFromALaterLineStartsThereAtItsIndent) {
    Recorder ui;
    GoEditor editor(ui, tables);
    ASSERT_TRUE(KeySequence(editor, "RPT 2 [ RPT 3 [ FD 1 ] LT 9 0 ] FD 2"));
    style.iconSize = 20;
    QImage image = Filled(300, 200, Qt::white);
    QPainter p(&image);
    EXPECT_EQ(DrawListing(p, editor.Head(GO_LIST)->next, 1, 20, style), 1);
    p.end();
    // Line 1 alone, three pictures in from the margin of 5.
    EXPECT_GT(Count(image, QRect(65, 1, 20, 20), kCyan), 50);
    EXPECT_EQ(Count(image, QRect(5, 1, 60, 20), kCyan), 0);
}

TEST_F(ListingTest, CursorFramesHaveTheirStyleColours) {
    QImage image = Filled(100, 100, Qt::white);
    QPainter p(&image);
    style.iconSize = 20;
    DrawListCursorBand(p, 3, 1, 100, style);
    DrawListCursorFrame(p, 3, 1, 100, style);
    DrawListCursorFrame(p, 2, 3, 100, style);
    p.end();
    // Line 1, running: a bold frame from y 25 to 25 + 22, three pixels
    // deep, over a pale green band with a solid bar in the left margin.
    for (int inside : {0, 2}) {
        ExpectPixels(image, {Pixel(50, 25 + inside, 0x008000u), Pixel(50, 47 - inside, 0x008000u),
                             Pixel(inside, 35, 0x008000u), Pixel(99 - inside, 35, 0x008000u)});
    }
    EXPECT_EQ(Rgb(image, 4, 35), 0x008000u);
    const QColor band = image.pixelColor(50, 36);
    EXPECT_TRUE(band.green() > band.red() && band.red() > 128) << band.name().toStdString();
    // Line 3, editing: a one-pixel frame and nothing inside.
    ExpectPixels(
        image, {Pixel(50, 75, 0u), Pixel(50, 76, kWhite), Pixel(0, 85, 0u), Pixel(1, 85, kWhite)});
}

// Each cursor's look is the scenes test's; painted at the smallest pictures
// the three signs still differ in shape, told from the mark by the
// background's colour alone.
TEST_F(ListingTest, RunningStoppedAndSteppingLinesDifferInShapeAtTheSmallestSize) {
    style.iconSize = 5;
    auto sign = [&](int cursorStyle) {
        QImage image = Filled(200, 15, Qt::white);
        QPainter p(&image);
        DrawListCursorBand(p, cursorStyle, 0, 200, style);
        DrawListCursorFrame(p, cursorStyle, 0, 200, style);
        p.end();
        std::vector<bool> cut;
        for (int y = 0; y < 8; ++y)
            for (int x = 192; x < 200; ++x)
                cut.push_back(Rgb(image, x, y) == kWhite);
        return cut;
    };
    const auto running = sign(3), stopped = sign(7), stepping = sign(8);
    for (const auto* one : {&running, &stopped, &stepping})
        EXPECT_NE(std::count(one->begin(), one->end(), true), 0);
    EXPECT_NE(running, stopped);
    EXPECT_NE(running, stepping);
    EXPECT_NE(stopped, stepping);

    // High contrast draws the editing cursor as boldly as a run's.
    style.iconSize = 30;
    style.highContrast = true;
    QImage image = Filled(100, 40, Qt::black);
    QPainter p(&image);
    DrawListCursorFrame(p, 2, 0, 100, style);
    p.end();
    const QColor editing = HighContrastLook().editing;
    for (int depth = 0; depth < ListCursorPenWidth(30, true); ++depth)
        EXPECT_EQ(image.pixelColor(50, depth), editing) << depth;
    EXPECT_GT(ListCursorPenWidth(30, true), ListCursorPenWidth(30, false));
}

} // namespace
} // namespace zf
