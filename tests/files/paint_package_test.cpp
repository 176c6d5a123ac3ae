#include "files/paint_package.h"

#include "file_test_support.h"
#include "program/unnumbered_texts.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>

namespace zf {
namespace {

using test::TempFolder;

// Answers each start with the next result and records what was asked.
struct FakeStarter {
    std::vector<int> results;
    std::vector<std::pair<std::string, std::string>> calls;
    ProgramStarter Starter() {
        return [this](const std::string& program, const std::string& argument) {
            calls.emplace_back(program, argument);
            return results.at(calls.size() - 1);
        };
    }
};

// Each program is tried in turn; the last one's result names the warning.
TEST(PaintPackage, StopsAtTheFirstProgramThatStartsOrWarnsByTheLastResult) {
    struct Case {
        int last;
        std::string text;
    } cases[] = {
        {kProgramStarted, ""},
        {kStartFileNotFound, unnumbered::kPaintFileNotFound},
        {kStartPathNotFound, unnumbered::kPaintInvalidPath},
        {11, FormatText(unnumbered::kPaintStartError, {11LL})},
    };
    for (const Case& c : cases) {
        test::Recorder ui;
        FakeStarter fake{{kStartPathNotFound, kStartFileNotFound, c.last, kProgramStarted}, {}};
        EXPECT_EQ(StartPaintPackage(ui, "/p/zarniks/untitled.bmp", {"a", "b", "c"}, fake.Starter()),
                  c.text.empty());
        ASSERT_EQ(fake.calls.size(), 3u);
        EXPECT_EQ(fake.calls[2],
                  (std::pair<std::string, std::string>{"c", "/p/zarniks/untitled.bmp"}));
        EXPECT_EQ(ui.lastWarning(), c.text);
    }
    test::Recorder ui;
    FakeStarter first{{kProgramStarted}, {}};
    EXPECT_TRUE(StartPaintPackage(ui, "x.bmp", {"a", "b", "c"}, first.Starter()));
    EXPECT_EQ(first.calls.size(), 1u);
}

class PaintIni : public ::testing::Test {
  protected:
    std::array<std::string, 3> Read(const std::string& text) {
        std::ofstream(dir / "zfield.ini") << text;
        return ReadPaintPackagePrograms(dir / "zfield.ini");
    }
    TempFolder dir;
};

TEST_F(PaintIni, MissingKeysAndTheWindowsNameTakeTheDefault) {
    auto programs = Read("[paint package]\r\npaint1=mypaint\r\npaint3=MSPaint.exe\r\n");
    EXPECT_EQ(programs[0], "mypaint");
    EXPECT_EQ(programs[1], DefaultPaintProgram());
    EXPECT_EQ(programs[2], DefaultPaintProgram());
}

// The bitmap path reaches the program as one argument: quotes and
// semicolons in it are never run by a shell.
TEST(StartProgram, HandsTheNameOverUnchanged) {
    TempFolder dir;
    std::string script = dir / "paint.sh";
    std::ofstream(script) << "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/got.txt\"\n";
    chmod(script.c_str(), 0755);
    std::string hostile = dir / "a\"; touch pwned; \".bmp";
    pid_t child = 0;
    ASSERT_EQ(StartProgram(script, hostile, &child), kProgramStarted);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    std::ifstream got(dir / "got.txt");
    std::string text((std::istreambuf_iterator<char>(got)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, hostile);
    EXPECT_FALSE(std::filesystem::exists(dir / "pwned"));
    EXPECT_FALSE(std::filesystem::exists("pwned"));
}

TEST(StartProgram, ReportsMissingProgramsAsThePlatformDid) {
    TempFolder dir;
    EXPECT_EQ(StartProgram("zf-no-such-paint-program", "x.bmp"), kStartFileNotFound);
    EXPECT_EQ(StartProgram(dir / "missing", "x.bmp"), kStartFileNotFound);
    EXPECT_EQ(StartProgram(dir / "no/such/folder/paint", "x.bmp"), kStartPathNotFound);
}

} // namespace
} // namespace zf
