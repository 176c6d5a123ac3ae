#include "files/print_job.h"
#include "files/print_layout.h"
#include "files/print_scene.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace zf {
namespace {

TEST(PrintedPageArithmetic, MarginsScalesAndLinesAPage) {
    // 8 x 11 inches at 600 dpi: margins of an inch, the width sets the one
    // scale, the height's slack is shared above and below.
    const PageMapping m = MapPage({0, 0, 4800, 6600, 600, 600});
    EXPECT_EQ(std::tuple(m.left, m.deviceWidth, m.deviceHeight, m.top),
              std::tuple(600, 3600, 4950, 600 + (5400 - 4950) / 2));
    // A printer that cannot reach an inch in keeps to its own edge twice over;
    // a page with no room across or down maps to nothing.
    EXPECT_EQ(std::tuple(MapPage({700, 100, 4800, 6600, 600, 600}).left,
                         MapPage({0, 0, 1000, 1000, 600, 600}).deviceWidth,
                         MapPage({0, 0, 1201, 6600, 600, 600}).deviceWidth,
                         MapPage({0, 0, 4800, 1000, 600, 600}).deviceWidth),
              std::tuple(1400, 0, 1, 0));

    EXPECT_EQ(std::tuple(ListingPrintMetricsFor(50, 6600).linesPerPage,
                         ListingPrintMetricsFor(50, 6600).iconSize,
                         ListingPrintMetricsFor(5, 6600).linesPerPage,
                         ListingPrintMetricsFor(5, 6600).unit),
              std::tuple(5, 9 * 132, 50, 13));

    const WorkingAreaPrint square = WorkingAreaPrintBox(3000, 3000, 4800, 6600);
    EXPECT_DOUBLE_EQ(square.zoom, 1600);
    EXPECT_EQ(std::tuple(square.width, square.height, square.left, square.top,
                         WorkingAreaPrintBox(2100, 8700, 4961, 7016).height,
                         WorkingAreaPrintDivisor(600), WorkingAreaPrintDivisor(72)),
              std::tuple(4800, 4800, 0, 900, 7016, 4, 1));
}

// Instructions of the given line counts, linked as a list.
std::vector<GoInstruction> List(std::vector<int> lineCounts) {
    std::vector<GoInstruction> list(lineCounts.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i].lineCount = static_cast<std::uint16_t>(lineCounts[i]);
        list[i].next = i + 1 < list.size() ? &list[i + 1] : nullptr;
    }
    return list;
}

TEST(ListingPages, PageByPageFromTheInstructionsHoldingTheirLines) {
    const auto six = List(std::vector<int>(6, 1));
    const auto pages = ListingPages(&six[0], GO_LIST, 5);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(std::tuple(pages[0].first, pages[0].last, pages[1].first, pages[1].last),
              std::tuple(&six[0], &six[4], &six[5], &six[5]));
    EXPECT_TRUE(ListingPages(nullptr, PROC_LIST, 5).empty());

    // An instruction of two lines across the page break shows on both pages.
    const auto tall = List({1, 1, 2, 1});
    const auto split = ListingPages(&tall[0], PROC_LIST, 3);
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(std::tuple(split[0].last, split[1].first, split[1].last),
              std::tuple(&tall[2], &tall[2], &tall[3]));

    // Both lists share one sheet only when they fit it with a line between.
    const auto go = List({1, 1}), proc = List({1, 1});
    const auto shared = ListingSheets(&go[0], &proc[0], 5);
    ASSERT_EQ(shared.size(), 1u);
    ASSERT_EQ(shared[0].size(), 2u);
    EXPECT_EQ(shared[0][1].topLine, 3);
    EXPECT_EQ(ListingSheets(&go[0], &proc[0], 4).size(), 2u);
}

// Words ten pixels a letter wide and ten high in whole pixels, less
// otherwise; no pictures.
class LetterMeasure : public TextMeasure, public PictureSizes {
  public:
    TextExtent Measure(const SceneFont&, std::string_view utf8, bool wholePixels) override {
        const double size = wholePixels ? 10 : 9.5;
        return {static_cast<double>(utf8.size()) * size, size, 8};
    }
    bool SizeOf(const std::string&, int&, int&) override { return false; }
};

// A page's instructions end at its last, under a rule from a later page on;
// the heading names the program on the left, dates it on the right and
// numbers the page below in the middle.
TEST(PrintedPageScene, LinesUnderARuleAndTheHeadingAroundThePage) {
    const PrinterPage letter = PaperAt(PaperSizeOf(Paper::Letter, true), 100);
    const PrinterPage a4 = PaperAt(PaperSizeOf(Paper::A4, false), 254);
    EXPECT_EQ(std::tuple(letter.width, letter.height, a4.width, a4.height),
              std::tuple(1100, 850, 2100, 2970));
    const auto three = List({1, 1, 1});
    NameTables tables;
    LetterMeasure measure;
    const ListingLayout layout{tables, 60, {}, "", 0xFFFFFF, 0, false, {}, measure, measure};
    auto page = [&](int topLine) {
        Scene out;
        AddListingPage(out, {GO_LIST, &three[0], &three[1], topLine}, {20, 6, 60}, layout);
        std::vector<double> rules;
        double bottom = 0;
        for (const SceneOp& op : out.ops)
            if (op.kind == SceneOpKind::Line && op.colour == 0xA0A0A4)
                rules.push_back(op.y);
            else
                bottom = std::max(bottom, op.y);
        return std::tuple(rules, bottom >= 60 + 60 * topLine && bottom < 120 + 60 * topLine);
    };
    // Key labels are sized by the font's cell as measured, not rounded.
    EXPECT_EQ(ArialPixelSize(measure, 19), 200);
    EXPECT_EQ(page(0), std::tuple(std::vector<double>{}, true));
    EXPECT_EQ(page(2), std::tuple(std::vector<double>{90}, true));

    Scene heading;
    AddListingHeading(heading, {0, 0, 1000, 1000, 600, 600}, {0, 0, 100, 200, 800, 600},
                      {"Maze", "1 May", "2"}, measure);
    std::vector<std::tuple<std::string, double, double>> texts;
    for (const SceneOp& op : heading.ops)
        texts.emplace_back(op.text, op.x, op.y);
    EXPECT_EQ(texts, (std::vector<std::tuple<std::string, double, double>>{
                         {"Maze", 100, 90}, {"1 May", 850, 90}, {"2", 495, 900}}));
}

// A printer that writes down what it is asked to do.
class FakeDevice : public PrintDevice {
  public:
    bool StartDocument() override { return Step("doc", failStartDocument); }
    bool StartPage() override { return Step("page", ++pagesStarted == failStartPage); }
    bool EndPage() override { return Step("end", pagesStarted == failEndPage); }
    bool EndDocument() override { return Step("enddoc", failEndDocument); }
    void AbandonDocument() override { calls.push_back("abandon"); }
    bool Aborted() override { return ++checks >= abortAtCheck; }
    int LastError() override { return 13; }
    void Problem(const std::string& caption, const std::string& text) override {
        problems.push_back(caption + "|" + text);
    }
    bool Step(const char* name, bool fail) {
        calls.push_back(name);
        return !fail;
    }

    std::vector<std::string> calls, problems;
    int pagesStarted = 0, checks = 0, abortAtCheck = 1000, failStartPage = 0, failEndPage = 0;
    bool failStartDocument = false, failEndDocument = false;
};

using Calls = std::vector<std::string>;

PrintOutcome Print(FakeDevice& device, int pages) {
    return PrintPages(device, pages,
                      [&](int i) { device.calls.push_back("draw" + std::to_string(i)); });
}

TEST(PrintJob, PagesInTurnUntilCancelWhichKeepsThoseDone) {
    FakeDevice whole;
    EXPECT_EQ(Print(whole, 2), PrintOutcome::Printed);
    EXPECT_EQ(whole.calls,
              (Calls{"doc", "page", "draw0", "end", "page", "draw1", "end", "enddoc"}));
    FakeDevice cancelled;
    cancelled.abortAtCheck = 2;
    EXPECT_EQ(Print(cancelled, 3), PrintOutcome::Cancelled);
    EXPECT_EQ(cancelled.calls, (Calls{"doc", "page", "draw0", "end", "enddoc"}));
    FakeDevice early;
    early.abortAtCheck = 1;
    EXPECT_EQ(Print(early, 3), PrintOutcome::Cancelled);
    EXPECT_EQ(early.calls, (Calls{"doc", "abandon"}));
    FakeDevice idle;
    EXPECT_EQ(Print(idle, 0), PrintOutcome::NothingToPrint);
    EXPECT_TRUE(idle.calls.empty());
    EXPECT_TRUE(whole.problems.empty() && cancelled.problems.empty() && early.problems.empty());
}

TEST(PrintJob, EachFailureHasItsMessageAndEndsTheJob) {
    const std::string problem = std::string(unnumbered::kPrintingProblemCaption) + "|";
    FakeDevice noDocument, noPage, noEndPage, noEnd;
    noDocument.failStartDocument = noEnd.failEndDocument = true;
    noPage.failStartPage = 2;
    noEndPage.failEndPage = 1;
    const std::tuple<FakeDevice*, int, std::string> cases[] = {
        {&noDocument, 2,
         std::string(TextOf(TextId::ProductName)) + "|" + unnumbered::kCannotStartPrinting},
        {&noPage, 3, problem + unnumbered::kCannotPrintPage},
        {&noEndPage, 3, problem + unnumbered::kCannotEndPage},
        {&noEnd, 1, problem + unnumbered::kCannotEndPrinting}};
    for (const auto& [device, pages, message] : cases) {
        EXPECT_EQ(Print(*device, pages), PrintOutcome::Failed) << message;
        EXPECT_EQ(device->problems, Calls{message});
    }
    EXPECT_EQ(noDocument.calls, (Calls{"doc"}));
    EXPECT_EQ(noPage.calls, (Calls{"doc", "page", "draw0", "end", "page", "abandon"}));

    FakeDevice withCode;
    withCode.failStartDocument = true;
    PrintPages(
        withCode, 1, [](int) {}, StartFailure::WithErrorCode);
    ASSERT_EQ(withCode.problems.size(), 1u);
    EXPECT_NE(withCode.problems[0].find("StartDoc() failed: GetLastError() returned 13."),
              std::string::npos);
}

} // namespace
} // namespace zf
