// Every bundled Go Program runs to its end, without a message, on the
// default working area and on every bundled project: the first thing a child
// does with the examples must never end in an error.

#include "files/go_program_file.h"
#include "files/project_file.h"
#include "files/project_folder.h"
#include "program/key_sequence.h"
#include "program/string_table.h"
#include "simulation/headless_run.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
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
    // Robot memory the program takes.
    int cells = 0;
    // The project folder afterwards.
    std::string folder;
};

// Opens the project (none: the default working area), then the program (none:
// the project's own), and runs it as GO does. `keys` are keyed after that,
// a word at a time: GO runs what is keyed so far from where the robot stands.
Outcome RunExample(const fs::path& project, const fs::path& program,
                   const std::string& keys = "GO") {
    Outcome out;
    test::Recorder ui;
    NameTables tables;
    GoEditor editor(ui, tables);
    // As the desktop starts: the default working area, with its start pen.
    SetUpWorkingArea(out.state, 10, 10);
    out.state.homePenStyle = PenStyleForName(kDefaultStartPen);
    PenTrail trail;
    GraphicObjectList objects{tables};
    ProjectHost host;
    Project place;
    ProjectScene scene{out.state, trail, objects, editor, host, place};
    if (!project.empty()) {
        EXPECT_TRUE(OpenProject(scene, project.string(), true)) << project;
    }
    out.folder = place.folder;
    if (!program.empty()) {
        EXPECT_TRUE(OpenGoProgram(editor, program.string(), true)) << program;
    }
    RobotView view;
    ManualClock clock;
    RunControl control(editor, out.state, trail, objects, view, clock);
    std::istringstream words(keys);
    std::string word, keyed;
    while (words >> word) {
        if (word == "GO") {
            EXPECT_TRUE(KeySequence(editor, keyed)) << keyed;
            keyed.clear();
            out.ranToEnd = RunHeadless(control, clock).ranToEnd;
        } else {
            keyed += word + " ";
        }
    }
    out.messages = ui.messages;
    out.cells = kMemoryUnits - editor.memoryUnitsLeft;
    return out;
}

class ExampleRuns : public ::testing::Test {
  protected:
    // Ini-form projects inside the program's folder are copied to the work
    // folder; keep any such copy out of the real home, in a home of each
    // test's own, as the tests run side by side in separate processes.
    ExampleRuns() {
        std::string pattern = (fs::temp_directory_path() / "zf-example-runs-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            home_ = pattern;
        ::setenv("HOME", home_.c_str(), 1);
        ::setenv("XDG_DOCUMENTS_DIR", (home_ / "Documents").c_str(), 1);
    }
    ~ExampleRuns() override {
        std::error_code ignored;
        if (!home_.empty())
            fs::remove_all(home_, ignored);
    }
    fs::path home_;
};

// Every program on every project; each project's answer, opened beside it,
// reaches the goal (the project opens without it keyed: the books' rows
// below count every cell they key).
TEST_F(ExampleRuns, EveryProgramRunsCleanlyOnEveryProjectAndTheAnswersReachTheGoal) {
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

    // The town's finish is where the flag stands; the island's program stamps
    // the cross (444, 312 of its 600-pixel picture) and backs one step off it.
    const struct {
        const char *project, *program;
        int x, y, near;
    } goals[] = {{"town.zfp", "town.gop", 2250, 450, 0},
                 {"island.zfp", "island.gop", 444 * 5 - 240, 312 * 5 + 180, 10},
                 {"gridmat.zfp", "square.gop", 1500, 1500, 0}};
    for (const auto& goal : goals) {
        const Outcome out = RunExample(kExamples / goal.project, kExamples / goal.program);
        EXPECT_NEAR(out.state.x, goal.x, goal.near) << goal.project;
        EXPECT_NEAR(out.state.y, goal.y, goal.near) << goal.project;
        // A project's runs start with the pen up.
        EXPECT_EQ(out.state.homePenStyle, -1) << goal.project;
    }
}

// Every program the activity books ask children to key, on the book's mat,
// ends as the book says it does.
TEST_F(ExampleRuns, TheActivityBooksProgramsDoWhatTheBooksSay) {
    // Ends: on the target (within `near` mm, with the heading), at the edge
    // with the edge message (there, when a place is given), or close to the
    // target but not on it.
    enum class Ends { On, Edge, Misses };
    using enum Ends;
    const char *const kGrid = "gridmat.zfp", *const kIsland = "island.zfp",
                      *const kTown = "town.zfp";
    // The island's path bends one step above the start and reaches the
    // cross three steps on, along (0.8, -0.6): a 3-4-5 triangle.
    const int crossX = 444 * 5, crossY = 312 * 5;
    const struct {
        const char *page, *project, *keys;
        Ends ends;
        int x, y, heading, near, cells;
    } book[] = {
        {"jn1", kGrid, "FD 4 GO", On, 1500, 300, 0, 0, 3},
        {"jn1", kGrid, "FD 5 GO", Edge, 1500, 150, 0, 0, 3},
        {"jn3", kIsland, "FD 1 RT 5 3 FD 3 GO", On, crossX, crossY, 53, 10, 10},
        {"jn3", kIsland, "FD [ 1 5 ] FD 2 RT 5 3 FD 6 GO", On, crossX, crossY, 53, 10, 13},
        {"jn4", kTown, "FD 3 LT 9 0 FD 3 RT 9 0 FD 3 LT 9 0 FD 3 GO", On, 2250, 450, 0, 0, 24},
        {"jn5", kTown, "FD 3 LT 9 0 FD 3 RT 1 8 0 FD 3 RT 9 0 FD 3 GO", On, 450, 2250, 270, 0, 24},
        {"rt1", kGrid, "RPT 4 [ FD 2 RT 9 0 ] GO", On, 1500, 1500, 0, 0, 15},
        {"rt2", kGrid, "RPT 6 [ FD 3 RT 6 0 ] GO", Edge, -1, -1, 0, 0, 15},
        {"rt3", kIsland, "RPT 5 [ FD 3 RT 1 4 4 ] GO", On, 1500, 2400, 0, 1, 15},
        {"rt3", kIsland, "RPT 5 [ FD 3 RT 7 2 ] GO", Edge, -1, -1, 0, 0, 15},
        {"rt3", kIsland, "RPT 7 [ FD 3 RT 1 5 4 ] GO", Misses, 1500, 2400, 0, 0, 15},
        {"rt4", kGrid, "P 1 [ RPT 4 [ FD 1 RT 9 0 ] ] RPT 4 [ P 1 RT 9 0 ] GO", On, 1500, 1500, 0,
         0, 39},
        {"rt5", kTown, "RPT 4 [ FD 3 LT 9 0 ] GO", On, 450, 2250, 90, 0, 15},
    };
    for (const auto& b : book) {
        const Outcome out = RunExample(kExamples / b.project, {}, b.keys);
        const std::string what = std::string(b.page) + ": " + b.keys;
        EXPECT_EQ(out.cells, b.cells) << what;
        const double off = std::hypot(out.state.x - b.x, out.state.y - b.y);
        switch (b.ends) {
        case On:
            EXPECT_TRUE(out.messages.empty()) << what << ": " << out.messages.front().text;
            EXPECT_LE(off, b.near) << what << " ends at " << out.state.x << ", " << out.state.y;
            EXPECT_EQ(out.state.heading, b.heading) << what;
            break;
        case Edge:
            ASSERT_EQ(out.messages.size(), 1u) << what;
            EXPECT_EQ(out.messages[0].id, TextId::CannotMoveOutside) << what;
            if (b.x >= 0) {
                EXPECT_EQ(out.state.x, b.x) << what;
                EXPECT_EQ(out.state.y, b.y) << what;
            }
            break;
        case Misses:
            EXPECT_TRUE(out.messages.empty()) << what;
            EXPECT_GT(off, 5) << what;
            EXPECT_LT(off, kStepMm) << what;
            break;
        }
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

    const Outcome town = RunExample(copy / "town.zfp", {}, "");
    EXPECT_TRUE(town.messages.empty());
    EXPECT_EQ(fs::path(town.folder), copy / "");
}

} // namespace
} // namespace zf
