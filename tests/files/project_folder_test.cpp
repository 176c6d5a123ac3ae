#include "files/project_folder.h"

#include "file_test_support.h"
#include "files/lesson_folder.h"
#include "files/paths.h"
#include "program/unnumbered_texts.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <tuple>

namespace zf {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnv;
using test::TempFolder;

// Each test works in its own temporary tree with its own project.
class ProjectFolders : public ::testing::Test {
  protected:
    std::string Make(const std::string& relative) {
        fs::create_directories(dir / relative);
        return dir / relative;
    }
    TempFolder dir;
    test::Recorder ui;
    Project project;
};

TEST_F(ProjectFolders, CheckWarnsAboutMissingSubFolders) {
    using namespace unnumbered;
    const std::string some = std::string(kSubFoldersMissing) + kMayFunctionIncorrectly;
    struct Case {
        std::vector<std::string> present;
        bool opens;
        std::string warning;
    } cases[] = {
        {{"backgnds", "zarniks", "objects", "pens"}, true, ""},
        {{"Backgnds", "ZARNIKS", "objects"},
         true,
         std::string(kSubFolderMissing) + kMayFunctionIncorrectly + "pens\n"},
        {{"zarniks", "pens"}, true, some + "backgnds\n\nobjects\n\n"},
        {{},
         false,
         std::string(kSubFoldersMissing) + kWillNotOpenProject +
             "backgnds\n\nzarniks\n\nobjects\n\npens\n" + kProjectFoldersMend},
    };
    int n = 0;
    for (const Case& c : cases) {
        std::string name = "p" + std::to_string(n++);
        Make(name);
        for (const std::string& sub : c.present)
            Make(name + "/" + sub);
        ui.clear();
        EXPECT_EQ(CheckProjectFolders(ui, dir / name + "/x.zfp"), c.opens) << name;
        EXPECT_EQ(ui.lastWarning(), c.warning) << name;
        EXPECT_EQ(IsLessonFolder(dir / name), c.present.size() == 4) << name;
        EXPECT_LE(ui.messages.size(), 1u);
    }
    // A folder that cannot be entered refuses without a message.
    ui.clear();
    EXPECT_FALSE(CheckProjectFolders(ui, dir / "nowhere/x.zfp"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProjectFolders, TheProgramFolderHoldsItsFilesAndThePredefinedProjects) {
    project.SetProgramFolder(Make("Zarnikfield"));
    EXPECT_EQ(std::tuple(ProgramFilePath(project, "zfield.ini"),
                         IsPreDefinedProject(project, dir / "Zarnikfield/projects/maze.zfp"),
                         IsPreDefinedProject(project, dir / "ZARNIKFIELD/maze.zfp"),
                         IsPreDefinedProject(project, dir / "maze.zfp")),
              std::tuple(dir / "Zarnikfield/zfield.ini", true, true, false));
    // A sibling folder whose name only begins like the program folder's.
    EXPECT_FALSE(IsPreDefinedProject(project, dir / "Zarnikfield Projects/maze.zfp"));
    // A folder too long to take the name gives the folder alone.
    std::string deep = Make(std::string(250 - dir.path().size(), 'd'));
    project.SetProgramFolder(deep);
    EXPECT_EQ(ProgramFilePath(project, "zfield.ini"), deep + "/");
    // A relpath of nothing has no level; a relative project with no folder
    // yet lies where the program was started.
    EXPECT_EQ(GetPathAtLevel("", 1), std::nullopt);
    project.folder.clear();
    project.SetFromPath("lesson.zfp");
    EXPECT_EQ(project.folder, std::filesystem::current_path().string() + "/");
    // A name with its whole path is taken as it stands.
    test::WriteBytesTo(dir / "Zarnikfield/zfield.ini", {1});
    EXPECT_EQ(FindProjectFile(project, dir / "Zarnikfield/zfield.ini"),
              dir / "Zarnikfield/zfield.ini");
}

TEST_F(ProjectFolders, WorkFolderFromTheDocumentsFolder) {
    ScopedEnv env;
    env.Unset("XDG_DOCUMENTS_DIR");
    env.Set("HOME", dir.path());
    env.Set("XDG_CONFIG_HOME", Make("config"));
    EXPECT_EQ(GetMyDocsZarnikfieldFolder(), dir / "Documents/Zarnikfield Work");

    std::ofstream(dir / "config/user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                 << "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n";
    EXPECT_EQ(GetMyDocsZarnikfieldFolder(), dir / "Papers/Zarnikfield Work");
    std::ofstream(dir / "config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"" << dir / "Abs"
                                                 << "\"\n";
    EXPECT_EQ(GetMyDocsZarnikfieldFolder(), dir / "Abs/Zarnikfield Work");
    std::ofstream(dir / "config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=Rel\n";
    EXPECT_EQ(GetMyDocsZarnikfieldFolder(), dir / "Rel/Zarnikfield Work");

    env.Set("XDG_DOCUMENTS_DIR", dir / "Docs/");
    EXPECT_EQ(GetMyDocsZarnikfieldFolder(), dir / "Docs/Zarnikfield Work");

    env.Unset("XDG_DOCUMENTS_DIR");
    env.Unset("HOME");
    EXPECT_EQ(GetMyDocsZarnikfieldFolder(), std::nullopt);
    // With no home either, saving starts in the project's folder.
    Project gone;
    gone.SetFromPath(dir / "gone/p.zfp");
    EXPECT_EQ(SaveDialogFolder(gone), gone.folder);
}

// A copy the disk takes no more of is not kept, however it ends.
TEST_F(ProjectFolders, ACopyTheDiskTakesNoMoreOfIsNotKept) {
    // So is one of a source that opens but cannot be read.
    EXPECT_FALSE(CopyFileNoReplace(dir.path(), dir / "unread"));
    EXPECT_FALSE(fs::exists(dir / "unread"));
    ZF_SKIP_WITHOUT_POSIX_FILES("no file size limit");
    test::WriteBytesTo(dir / "maze.gop", {1, 2, 3});
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{2, limit.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &full);
    const bool copied = CopyFileNoReplace(dir / "maze.gop", dir / "full.gop");
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(copied);
    EXPECT_FALSE(fs::exists(dir / "full.gop"));
}

class PredefinedProject : public ProjectFolders {
  protected:
    void SetUp() override {
        ProjectFolders::SetUp();
        env.Set("XDG_DOCUMENTS_DIR", dir / "Docs");
        test::MakeProjectFolder(Make("prog/Projects/Junior"));
        test::WriteBytesTo(dir / "prog/Projects/Junior/backgnds/grass.bmp", {7});
        test::WriteBytesTo(dir / "prog/maze.zfp", {'v', '1'});
    }
    ScopedEnv env;
};

// A changed copy must never be decided over without asking.
Answer NotAsked(const std::string&, const std::string&) {
    ADD_FAILURE() << "asked about an unchanged copy";
    return Answer::Cancel;
}

TEST_F(PredefinedProject, IsCopiedIntoTheWorkFolderNeverOverwritingAChangedCopyUnaskedNorOutside) {
    // Stored with or without a closing separator, the relpath names one folder.
    auto copy = CopyPredefinedProject(dir / "prog/maze.zfp", "projects\\junior", NotAsked);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->path, dir / "Docs/Zarnikfield Work/maze.zfp");
    EXPECT_FALSE(copy->usersCopy);
    EXPECT_EQ(test::BytesOf(copy->path), (std::vector<std::uint8_t>{'v', '1'}));
    const std::string work = dir / "Docs/Zarnikfield Work/", data = work + "projects/junior/";
    EXPECT_EQ(test::BytesOf(data + "backgnds/grass.bmp"), std::vector<std::uint8_t>{7});
    EXPECT_TRUE(fs::is_directory(data + "pens"));

    // Opening again an unchanged copy asks nothing and keeps the user's data.
    test::WriteBytesTo(data + "backgnds/grass.bmp", {8});
    ASSERT_TRUE(CopyPredefinedProject(dir / "prog/maze.zfp", "projects\\junior\\", NotAsked));
    EXPECT_EQ(test::BytesOf(data + "backgnds/grass.bmp"), std::vector<std::uint8_t>{8});

    // Starting afresh keeps the changed copy under a name not yet taken.
    const std::vector<std::uint8_t> mine{'m', 'i', 'n', 'e'}, earlier{'e'};
    test::WriteBytesTo(work + "maze.zfp", mine);
    test::WriteBytesTo(work + "maze (old).zfp", earlier);
    std::string keptAs;
    auto afresh = CopyPredefinedProject(dir / "prog/maze.zfp", "projects\\junior\\",
                                        [&](const std::string&, const std::string& kept) {
                                            keptAs = kept;
                                            return Answer::No;
                                        });
    ASSERT_TRUE(afresh);
    EXPECT_FALSE(afresh->usersCopy);
    EXPECT_EQ(keptAs, work + "maze (old 2).zfp");
    EXPECT_EQ(test::BytesOf(work + "maze (old 2).zfp"), mine);
    EXPECT_EQ(test::BytesOf(work + "maze (old).zfp"), earlier);
    EXPECT_EQ(test::BytesOf(work + "maze.zfp"), (std::vector<std::uint8_t>{'v', '1'}));

    // A relpath leading outside the work folder is refused.
    EXPECT_FALSE(CopyPredefinedProject(dir / "prog/maze.zfp", "..\\..\\elsewhere\\", NotAsked));
    EXPECT_FALSE(CopyPredefinedProject(dir / "prog/maze.zfp", "\\etc\\", NotAsked));
    EXPECT_FALSE(fs::exists(dir / "elsewhere"));

    // A work folder the user cannot write is named though the copy is there,
    // and is never where saving starts.
    ZF_SKIP_WITHOUT_POSIX_FILES("no rights");
    ::chmod(dir.path().c_str(), 0755);
    ::chmod(work.c_str(), 0555);
    EXPECT_TRUE(test::WithoutRights([&] {
        WorkFolderProblem problem;
        return !CopyPredefinedProject(dir / "prog/maze.zfp", "projects\\junior\\", NotAsked,
                                      &problem) &&
               problem.unwritable == dir / "Docs/Zarnikfield Work" &&
               SaveDialogFolder(project, work) != work;
    }));
    ::chmod(work.c_str(), 0755);
}

} // namespace
} // namespace zf
