#include "program/print_job.h"
#include "program/print_layout.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace zf {
namespace {

TEST(PageMapping, MarginsOfAnInchAtLeastAndOneScaleBothWays) {
    // 8 x 11 inches at 600 dpi: the width sets the scale, the height's
    // slack is shared above and below.
    const PageMapping m = MapPage({0, 0, 4800, 6600, 600, 600});
    EXPECT_EQ(m.width, 4800);
    EXPECT_EQ(m.height, 6600);
    EXPECT_EQ(m.left, 600);
    EXPECT_EQ(m.deviceWidth, 3600);
    EXPECT_EQ(m.deviceHeight, 4950);
    EXPECT_EQ(m.top, 600 + (5400 - 4950) / 2);

    // A printer that cannot reach an inch in keeps to its own edge twice over.
    const PageMapping wide = MapPage({700, 100, 4800, 6600, 600, 600});
    EXPECT_EQ(wide.left, 700 + 700);
    EXPECT_EQ(wide.deviceWidth, 4800 - 1400);
    EXPECT_GE(wide.top, 100 + 600);
    EXPECT_LE(wide.top + wide.deviceHeight, 100 + 6600 - 600);

    EXPECT_EQ(MapPage({0, 0, 1000, 1000, 600, 600}).deviceWidth, 0);
}

TEST(ListingPrintMetrics, LinesPerPageFollowTheListingSize) {
    const ListingPrintMetrics big = ListingPrintMetricsFor(50, 6600);
    EXPECT_EQ(big.linesPerPage, 5);
    EXPECT_EQ(big.unit, 132);
    EXPECT_EQ(big.iconSize, 9 * 132);
    const ListingPrintMetrics small = ListingPrintMetricsFor(5, 6600);
    EXPECT_EQ(small.linesPerPage, 50);
    EXPECT_EQ(small.unit, 13);
    EXPECT_EQ(ListingPrintMetricsFor(30, 6600).linesPerPage, 25);
    EXPECT_EQ(ListingPrintMetricsFor(0, 6600).linesPerPage, 50);
}

// A list of instructions with the given line counts.
class List {
  public:
    explicit List(std::vector<int> lineCounts) {
        for (int lines : lineCounts) {
            auto in = std::make_unique<GoInstruction>(op::Forward);
            in->lineCount = static_cast<std::uint16_t>(lines);
            if (!nodes_.empty()) {
                nodes_.back()->next = in.get();
                in->prev = nodes_.back().get();
            }
            nodes_.push_back(std::move(in));
        }
    }
    const GoInstruction* head() const { return nodes_.empty() ? nullptr : nodes_[0].get(); }
    const GoInstruction* at(int i) const { return nodes_[static_cast<std::size_t>(i)].get(); }

  private:
    std::vector<std::unique_ptr<GoInstruction>> nodes_;
};

TEST(ListingPages, PageByPageFromTheInstructionsHoldingTheirLines) {
    const List six(std::vector<int>(6, 1));
    const auto pages = ListingPages(six.head(), GO_LIST, 5);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].first, six.at(0));
    EXPECT_EQ(pages[0].last, six.at(4));
    EXPECT_EQ(pages[1].first, six.at(5));
    EXPECT_EQ(pages[1].last, six.at(5));
    EXPECT_EQ(pages[1].list, GO_LIST);

    EXPECT_EQ(ListingPages(six.head(), GO_LIST, 6).size(), 1u);
    EXPECT_TRUE(ListingPages(nullptr, PROC_LIST, 5).empty());

    // An instruction of two lines across the page break shows on both pages.
    const List tall({1, 1, 2, 1});
    const auto split = ListingPages(tall.head(), PROC_LIST, 3);
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[0].last, tall.at(2));
    EXPECT_EQ(split[1].first, tall.at(2));
    EXPECT_EQ(split[1].last, tall.at(3));
}

TEST(WorkingAreaPrintBox, FitsThePageAndIsCentred) {
    const WorkingAreaPrint square = WorkingAreaPrintBox(3000, 3000, 4800, 6600);
    EXPECT_DOUBLE_EQ(square.zoom, 1600);
    EXPECT_EQ(square.width, 4800);
    EXPECT_EQ(square.height, 4800);
    EXPECT_EQ(square.left, 0);
    EXPECT_EQ(square.top, 900);

    // Odd sizes come out whole where they fill the page.
    const WorkingAreaPrint odd = WorkingAreaPrintBox(2100, 8700, 4961, 7016);
    EXPECT_EQ(odd.height, 7016);
    EXPECT_EQ(odd.width, static_cast<int>(odd.zoom * 2100 / 1000));
    EXPECT_EQ(odd.left, (4961 - odd.width) / 2);

    EXPECT_EQ(WorkingAreaPrintBox(0, 3000, 4800, 6600).width, 0);
    EXPECT_EQ(WorkingAreaPrintDivisor(600), 4);
    EXPECT_EQ(WorkingAreaPrintDivisor(1200), 8);
    EXPECT_EQ(WorkingAreaPrintDivisor(72), 1);
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

    std::vector<std::string> calls;
    std::vector<std::string> problems;
    int pagesStarted = 0;
    int checks = 0;
    int abortAtCheck = 1000;
    bool failStartDocument = false;
    int failStartPage = 0;
    int failEndPage = 0;
    bool failEndDocument = false;
};

using Calls = std::vector<std::string>;

PrintOutcome Print(FakeDevice& device, int pages) {
    return PrintPages(device, pages,
                      [&](int i) { device.calls.push_back("draw" + std::to_string(i)); });
}

TEST(PrintJob, PagesInTurnAndNothingForNothing) {
    FakeDevice device;
    EXPECT_EQ(Print(device, 2), PrintOutcome::Printed);
    EXPECT_EQ(device.calls,
              (Calls{"doc", "page", "draw0", "end", "page", "draw1", "end", "enddoc"}));
    EXPECT_TRUE(device.problems.empty());

    FakeDevice idle;
    EXPECT_EQ(Print(idle, 0), PrintOutcome::NothingToPrint);
    EXPECT_TRUE(idle.calls.empty());
}

TEST(PrintJob, CancelStopsBeforeTheNextPageAndKeepsThoseDone) {
    FakeDevice device;
    device.abortAtCheck = 2;
    EXPECT_EQ(Print(device, 3), PrintOutcome::Cancelled);
    EXPECT_EQ(device.calls, (Calls{"doc", "page", "draw0", "end", "enddoc"}));
    EXPECT_TRUE(device.problems.empty());

    FakeDevice early;
    early.abortAtCheck = 1;
    EXPECT_EQ(Print(early, 3), PrintOutcome::Cancelled);
    EXPECT_EQ(early.calls, (Calls{"doc", "abandon"}));
}

TEST(PrintJob, EachFailureHasItsMessageAndEndsTheJob) {
    const std::string problem = unnumbered::kPrintingProblemCaption;

    FakeDevice noDocument;
    noDocument.failStartDocument = true;
    EXPECT_EQ(Print(noDocument, 2), PrintOutcome::Failed);
    EXPECT_EQ(noDocument.calls, (Calls{"doc"}));
    EXPECT_EQ(noDocument.problems,
              (Calls{std::string(TextOf(1012)) + "|" + unnumbered::kCannotStartPrinting}));

    FakeDevice withCode;
    withCode.failStartDocument = true;
    PrintPages(
        withCode, 1, [](int) {}, StartFailure::WithErrorCode);
    ASSERT_EQ(withCode.problems.size(), 1u);
    EXPECT_NE(withCode.problems[0].find("StartDoc() failed: GetLastError() returned 13."),
              std::string::npos);

    FakeDevice noPage;
    noPage.failStartPage = 2;
    EXPECT_EQ(Print(noPage, 3), PrintOutcome::Failed);
    EXPECT_EQ(noPage.calls, (Calls{"doc", "page", "draw0", "end", "page", "abandon"}));
    EXPECT_EQ(noPage.problems, (Calls{problem + "|" + unnumbered::kCannotPrintPage}));

    FakeDevice noEndPage;
    noEndPage.failEndPage = 1;
    EXPECT_EQ(Print(noEndPage, 3), PrintOutcome::Failed);
    EXPECT_EQ(noEndPage.problems, (Calls{problem + "|" + unnumbered::kCannotEndPage}));

    FakeDevice noEnd;
    noEnd.failEndDocument = true;
    EXPECT_EQ(Print(noEnd, 1), PrintOutcome::Failed);
    EXPECT_EQ(noEnd.problems, (Calls{problem + "|" + unnumbered::kCannotEndPrinting}));
}

} // namespace
} // namespace zf
