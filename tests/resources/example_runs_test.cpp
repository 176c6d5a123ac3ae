// Every bundled Go Program runs to its end, without a message, on the
// default working area and on every bundled project: the first thing a child
// does with the examples must never end in an error.

#include "files/go_program_file.h"
#include "files/project_file.h"
#include "files/project_folder.h"
#include "program/string_table.h"
#include "simulation/headless_run.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace zf {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = ZF_EXAMPLE_FOLDER;

std::vector<fs::path> ExampleFiles(const char* extension) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(kExamples))
        if (entry.path().extension() == extension)
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

struct Outcome {
    std::vector<test::ShownMessage> messages;
    ZarnikState state;
    bool ranToEnd = false;
    // The path the Go Program was loaded from.
    std::string program;
};

// Opens the project (none: the default working area), then the program (none:
// the project's own), and runs it as GO does.
Outcome RunExample(const fs::path& project, const fs::path& program) {
    ResetTables();
    Outcome out;
    test::Recorder ui;
    GoEditor editor(ui);
    // As the desktop starts: the default working area, with its start pen.
    SetUpWorkingArea(out.state, 10, 10);
    out.state.homePenStyle = PenStyleForName(kDefaultStartPen);
    PenTrail trail;
    GraphicObjectList objects;
    ProjectHost host;
    ProjectScene scene{out.state, trail, objects, editor, host};
    if (!project.empty()) {
        EXPECT_TRUE(OpenProject(scene, project.string(), true)) << project;
    }
    if (!program.empty()) {
        EXPECT_TRUE(OpenGoProgram(editor, program.string(), true)) << program;
    }
    if (const GoInstruction* head = editor.Head(GO_LIST);
        head && head->opcode == op::GoProgramHeader)
        out.program = NameTable().Get(head->nameId);
    RobotView view;
    ManualClock clock;
    RunControl control(editor, out.state, trail, objects, view, clock);
    out.ranToEnd = RunHeadless(control, clock).ranToEnd;
    out.messages = ui.messages;
    return out;
}

class ExampleRuns : public ::testing::Test {
  protected:
    // Ini-form projects inside the program's folder are copied to the work
    // folder; keep any such copy out of the real home.
    ExampleRuns() : home_(fs::temp_directory_path() / "zf-example-runs") {
        fs::create_directories(home_);
        ::setenv("HOME", home_.c_str(), 1);
        ::setenv("XDG_DOCUMENTS_DIR", (home_ / "Documents").c_str(), 1);
    }
    ~ExampleRuns() override {
        std::error_code ignored;
        fs::remove_all(home_, ignored);
    }
    fs::path home_;
};

TEST_F(ExampleRuns, EveryProgramRunsCleanlyOnEveryProject) {
    const auto programs = ExampleFiles(".gop");
    auto projects = ExampleFiles(".zfp");
    ASSERT_GE(programs.size(), 5u);
    ASSERT_GE(projects.size(), 3u);
    projects.insert(projects.begin(), fs::path());
    for (const fs::path& project : projects)
        for (const fs::path& program : programs) {
            const Outcome out = RunExample(project, program);
            EXPECT_TRUE(out.messages.empty()) << program.filename() << " on " << project.filename()
                                              << ": " << out.messages.front().text;
            EXPECT_TRUE(out.ranToEnd) << program.filename() << " on " << project.filename();
        }
}

TEST_F(ExampleRuns, ProjectsRunTheirOwnProgramToTheGoal) {
    // The town's finish is where the flag stands; the island's program stamps
    // the cross (444, 312 of its 600-pixel picture) and backs one step off it.
    const struct {
        const char *project, *program;
        int x, y, near;
    } goals[] = {{"town.zfp", "town.gop", 2250, 450, 0},
                 {"island.zfp", "island.gop", 444 * 5 - 240, 312 * 5 + 180, 10},
                 {"gridmat.zfp", "square.gop", 1500, 1500, 0}};
    for (const auto& goal : goals) {
        const Outcome out = RunExample(kExamples / goal.project, {});
        EXPECT_TRUE(out.messages.empty()) << goal.project;
        EXPECT_EQ(fs::path(out.program), kExamples / goal.program);
        EXPECT_NEAR(out.state.x, goal.x, goal.near) << goal.project;
        EXPECT_NEAR(out.state.y, goal.y, goal.near) << goal.project;
        // A project's runs start with the pen up.
        EXPECT_EQ(out.state.homePenStyle, -1) << goal.project;
    }
}

TEST_F(ExampleRuns, ACopiedExampleFolderOpensItsOwnFiles) {
    const fs::path copy = home_ / "copied example";
    fs::copy(kExamples, copy, fs::copy_options::recursive);
    std::ifstream in(copy / "town.zfp", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::string stored = kExamples.string();
    std::replace(stored.begin(), stored.end(), '/', '\\');
    for (const std::string& made : {kExamples.string(), stored})
        EXPECT_EQ(bytes.find(made), std::string::npos) << "the project names " << made;

    const Outcome town = RunExample(copy / "town.zfp", {});
    EXPECT_TRUE(town.messages.empty());
    EXPECT_EQ(fs::path(town.program), copy / "town.gop");
    EXPECT_EQ(fs::path(GetProjectFolder()), copy / "");
}

} // namespace
} // namespace zf
