#include "files/paint_package.h"

#include "file_test_support.h"
#include "files/paths.h"
#include "program/unnumbered_texts.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>

namespace zf {
namespace {

using test::TempFolder;

// Answers each start with the next result and records what was asked.
using Call = std::pair<std::string, std::vector<std::string>>;
struct FakeStarter {
    std::vector<int> results;
    std::vector<Call> calls;
    ProgramStarter Starter() {
        return [this](const std::string& program, const std::vector<std::string>& arguments) {
            calls.emplace_back(program, arguments);
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
        {32, ""}, // the lowest the platform answers for a started program
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
        EXPECT_EQ(fake.calls[2], (Call{"c", {"/p/zarniks/untitled.bmp"}}));
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

// A value with arguments is split into words as a shell would, without one:
// the program is its first word, never the whole value; quotes keep blanks
// in a word. A path with blanks that names a program as a whole is kept. A
// missing key and the older system's own program take the default.
TEST_F(PaintIni, ACommandWithArgumentsIsSplitWithoutAShell) {
    const auto defaults = Read("[paint package]\r\npaint1=mypaint\r\npaint3=MSPaint.exe\r\n");
    EXPECT_EQ(defaults, (std::array<std::string, 3>{"mypaint", DefaultPaintProgram(),
                                                    DefaultPaintProgram()}));

    const std::string paint = dir / "My Paint";
    std::ofstream(paint) << "#!/bin/sh\n";
    chmod(paint.c_str(), 0755);
    const auto programs = Read("[paint package]\r\npaint1=krita --nosplash\r\n"
                               "paint2=\"/opt/a b/paint\"  -x 'one two' ;rm\r\npaint3=" +
                               ToStoredPath(paint) + "\r\n");
    test::Recorder ui;
    FakeStarter fake{{kStartFileNotFound, kStartFileNotFound, kProgramStarted}, {}};
    EXPECT_TRUE(StartPaintPackage(ui, "/p/b g.bmp", programs, fake.Starter()));
    EXPECT_EQ(fake.calls,
              (std::vector<Call>{{"krita", {"--nosplash", "/p/b g.bmp"}},
                                 {"/opt/a b/paint", {"-x", "one two", ";rm", "/p/b g.bmp"}},
                                 {paint, {"/p/b g.bmp"}}}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(SplitCommandLine(" a\t\"\"  b'c d'e "), (std::vector<std::string>{"a", "", "bc de"}));

    // The default is the first paint program found on the path.
    test::ScopedEnv env;
    env.Set("PATH", "/nonexistent:" + dir.path());
    std::filesystem::copy_file(paint, dir / "krita");
    EXPECT_EQ(DefaultPaintProgram(), "krita");
}

// The bitmap path reaches the program as one argument after the command's
// own: quotes and semicolons in it are never run by a shell. A missing
// program is reported as the older platform did.
TEST(StartProgram, HandsTheNameOverUnchangedOrReportsAMissingProgram) {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "a browser starts no programs";
#endif
    TempFolder dir;
    std::string script = dir / "paint.sh";
    std::ofstream(script)
        << "#!/bin/sh\nprintf '%s|%s' \"$1\" \"$2\" > \"$(dirname \"$0\")/got.txt\"\n";
    chmod(script.c_str(), 0755);
    std::string hostile = dir / "a\"; touch pwned; \".bmp";
    pid_t child = 0;
    StartedPrograms started;
    ASSERT_EQ(started.Start(script, {"--new", hostile}, &child), kProgramStarted);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    std::ifstream got(dir / "got.txt");
    std::string text((std::istreambuf_iterator<char>(got)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "--new|" + hostile);
    EXPECT_FALSE(std::filesystem::exists(dir / "pwned"));
    EXPECT_FALSE(std::filesystem::exists("pwned"));

    EXPECT_EQ(started.Start("zf-no-such-paint-program", {"x.bmp"}), kStartFileNotFound);
    EXPECT_EQ(started.Start(dir / "missing", {"x.bmp"}), kStartFileNotFound);
    EXPECT_EQ(started.Start(dir / "no/such/folder/paint", {"x.bmp"}), kStartPathNotFound);

    // A program still running when the next starts is waited for later,
    // so that none is left a zombie.
    pid_t running = 0;
    ASSERT_EQ(started.Start("sleep", {"30"}, &running), kProgramStarted);
    ASSERT_EQ(started.Start("true", {}), kProgramStarted);
    ::kill(running, SIGKILL);
    siginfo_t ended{};
    ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(running), &ended, WEXITED | WNOWAIT), 0);
    ASSERT_EQ(started.Start("true", {}), kProgramStarted);
    EXPECT_EQ(waitpid(running, nullptr, WNOHANG), -1);
}

} // namespace
} // namespace zf
