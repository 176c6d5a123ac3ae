#include "render/print_pages.h"

#include "files/go_program_file.h"
#include "program/key_sequence.h"
#include "render/render_support.h"
#include "simulation/headless_run.h"
#include "support/pdf_tools.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zf {
namespace {

using namespace zf::test;

// The bounds of what a page holds but white paper, between two rows (the
// whole page by default).
QRect InkedBox(const QImage& page, int from = 0, int to = -1) {
    const auto ink = [](QRgb c) { return (c & 0xFFFFFFu) != kWhite; };
    return ExtentIf(page, ink, QRect(0, from, page.width(), (to < 0 ? page.height() : to) - from));
}

class PrintedPages : public ::testing::Test {
  protected:
    ProjectDir dir;
    std::string pdf = dir.Path("out.pdf");
    Recorder ui;
    NameTables tables;
    GoEditor editor{ui, tables};
};

// Both lists on one page an inch in, under the program's name and the day,
// over the page's number.
TEST_F(PrintedPages, TheListingLiesWithinTheMarginsUnderItsHeading) {
    ASSERT_TRUE(KeySequence(editor, "RT 9 RT 9 RT 9 RT 9 RT 9 P 1 [ W 2 ]"));
    ASSERT_TRUE(SaveGoProgramAs(editor, dir.Path("flower.gop")));
    PageMapping m;
    {
        PdfPrintDevice device(pdf);
        const PrinterPage paper = WholePaper(device.writer());
        m = MapPage(paper);
        ListingStyle style{tables};
        style.iconSize = 30;
        ASSERT_EQ(
            PrintGoProgram(device, paper, editor, style, HeadingFor(editor, QDate(2026, 12, 7))),
            PrintOutcome::Printed);
    }
    ASSERT_EQ(PdfPageCount(pdf), 1);
    for (const char* words : {"flower.gop", "7 December 2026", "Page 1 of 1"})
        EXPECT_NE(PdfText(pdf).find(words), std::string::npos) << words;
    // The page's logical rows in pixels at 60 dots an inch, and the ink
    // between the heading and the foot.
    const auto row = [&](double y) { return (m.top + y * m.deviceHeight / m.height) / 10.0; };
    const int unit = ListingPrintMetricsFor(30, m.height).unit;
    const QRect both = InkedBox(PdfPageImage(pdf, 1, 60), static_cast<int>(row(0)) - 1,
                                static_cast<int>(row(m.height)) + 1);
    EXPECT_NEAR(both.top(), row(0), 1.5);
    EXPECT_NEAR(both.left(), 60, 1.5);
    EXPECT_GT(both.bottom(), row(90 * unit));
    EXPECT_LT(both.bottom(), row(100 * unit));
}

TEST_F(PrintedPages, TheWorkingAreaFillsThePageWidthCentredAndSharp) {
    dir.WriteBitmap("backgnds/grass.bmp", Filled(30, 30, QColor(0, 255, 0)));
    ZarnikState state;
    SetUpWorkingArea(state, 10, 10);
    PenTrail trail;
    trail.AppendTrailPoint(0, 1500);
    trail.SetTrailStyle(4);
    trail.AppendTrailPoint(3000, 1500);
    GraphicObjectList objects{tables};
    objects.CreateGraphicObject("grass.bmp", objectkind::Background, 1500, 1500, 0, 0, 0, 0);
    WorkingAreaScene scene{state, trail, objects, dir.Folder()};
    PdfPrintDevice device(pdf);
    ASSERT_EQ(PrintWorkingArea(device, WholePaper(device.writer()), scene), PrintOutcome::Printed);
    ASSERT_EQ(PdfPageCount(pdf), 1);

    const int dpi = 100;
    const QImage page = PdfPageImage(pdf, 1, dpi);
    ASSERT_FALSE(page.isNull());
    const QRect box = InkedBox(page);
    // An inch of margin each side, the square centred between top and bottom.
    EXPECT_NEAR(box.left(), dpi, 1.5);
    EXPECT_NEAR(page.width() - 1 - box.right(), dpi, 1.5);
    EXPECT_NEAR(box.bottom() - box.top(), box.right() - box.left(), 1.5);
    EXPECT_NEAR(box.top(), page.height() - 1 - box.bottom(), 1.5);
    // The grass is its own colour right up to its edge, and the wide red
    // pen crosses the middle in rows of pure red.
    EXPECT_EQ(Rgb(page, box.left() + 1, box.top() + 1), kGreen);
    EXPECT_EQ(Rgb(page, box.right() - 1, box.bottom() - 1), kGreen);
    const int middle = (box.top() + box.bottom()) / 2;
    const int red = Count(page, QRect(page.width() / 2, middle - 4, 1, 9), kRed);
    EXPECT_GE(red, 1);
    EXPECT_LE(red, 4);
}

// The picture commands of zfield, end to end.
TEST(ZfieldPictures, RunsAndPagesAreWrittenOrTheFileLeftAsItWas) {
    ProjectDir dir;
    const std::string png = dir.Path("run.png");
    ASSERT_EQ(
        Zfield("run --keys \"PEN(redwide.bmp) FD 2\" --instant -o " + png + " --size 400x300"), 0);
    const QImage picture(QString::fromStdString(png));
    // 10 x 10 steps fitted into 400 x 300: 300 pixels square, zoom 100.
    ASSERT_EQ(picture.size(), QSize(300, 300));
    // The wide red line up from the start; the robot covers its square around
    // (150, 90) and not the start.
    ExpectPixels(picture,
                 {Pixel(150, 130, kRed), Pixel(153, 130, kWhite), Pixel(150, 160, kWhite)});
    EXPECT_NE(Rgb(picture, 150, 90), kWhite);
    EXPECT_NE(Rgb(picture, 150, 90), kRed);

    const std::string program = dir.Path("p.gop");
    const std::string out = dir.Path("out.pdf");
    ASSERT_EQ(Zfield("keys \"FD 1 RPT 4 [ FD 1 RT 9 0 ] P 3 [ W 2 ]\" -o " + program), 0);
    ASSERT_EQ(Zfield("print " + program + " -o " + out + " --icon-size 50"), 0);
    EXPECT_EQ(PdfPageCount(out), 3);
    ASSERT_EQ(Zfield("print " + program + " -o " + out + " --working-area"), 0);
    EXPECT_EQ(PdfPageCount(out), 1);

    std::ofstream(out) << "earlier";
    EXPECT_EQ(Zfield("print " + dir.Path("missing.gop") + " -o " + out), 1);
    EXPECT_EQ(Zfield("print " + program + " -o " + dir.Path("no/such/folder.pdf")), 1);
    std::string kept;
    std::getline(std::ifstream(out), kept);
    EXPECT_EQ(kept, "earlier");
    EXPECT_FALSE(std::filesystem::exists(dir.Path("no")));
}

} // namespace
} // namespace zf
