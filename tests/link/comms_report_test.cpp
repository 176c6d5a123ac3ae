#include "link/comms_report.h"

#include "support/recorder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zf {
namespace {

namespace fs = std::filesystem;

class ReportUi : public test::Recorder {
  public:
    std::string AskSaveFileName(const std::string& filterName, const std::string& pattern,
                                const std::string& extension) override {
        dialog = filterName + "|" + pattern + "|" + extension;
        return {}; // cancelled
    }
    std::string dialog;
};

std::vector<std::string> Lines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string all = text.str();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = all.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(all.substr(start, end - start));
    EXPECT_EQ(start, all.size()) << "a line without CR LF";
    return lines;
}

class CommsReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("zf-report-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        previous = fs::current_path();
        fs::current_path(folder);
        report.data = area;
        report.length = sizeof area;
        report.guardBefore = 16;
        report.guardAfter = 16;
        report.title = "Dump title";
        report.owner = &ui;
    }
    void TearDown() override {
        CloseCommsReport(report);
        fs::current_path(previous);
        fs::remove_all(folder);
    }
    fs::path folder, previous;
    std::uint8_t area[229] = {};
    CommsReport report;
    ReportUi ui;
};

TEST_F(CommsReportTest, OffOrRefusedWritesNothingAndACancelledDialogWritesGeneralLog) {
    OpenCommsReport(report, false);
    EXPECT_FALSE(report.file.valid());
    EXPECT_TRUE(ui.questions.empty());

    ui.answers = {Answer::No};
    OpenCommsReport(report, true);
    EXPECT_FALSE(report.file.valid());
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "Dump title");
    WriteReportStage(report, "stage");
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(area[0], 0);

    // Asked for, with the file dialog cancelled, it goes to "general.log".
    ui.answers = {Answer::Yes};
    OpenCommsReport(report, true);
    EXPECT_EQ(ui.dialog, "MemDump (*.log)|*.log|.log");
    WriteReportStage(report, "one");
    CloseCommsReport(report);
    auto lines = Lines(folder / "general.log");
    ASSERT_EQ(lines.size(), 2u + 19u);
    EXPECT_EQ(
        std::tuple(lines[0], lines[2], lines[8]),
        std::tuple("Dump title", "one", "0010..00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "));
}

} // namespace
} // namespace zf
