#include "files/options_file.h"

#include "file_test_support.h"
#include "files/project_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace zf {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// Each test gets its own program folder, home and configuration folder, and
// leaves the environment as it found them.
class OptionsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(dir / "prog");
        project.SetProgramFolder(dir / "prog/");
        env.Set("HOME", dir / "home");
        env.Set("XDG_CONFIG_HOME", dir / "config");
    }
    std::string Program() const { return dir / "prog/zfield.ini"; }
    std::string User() const { return dir / "config/zarnikfield/zfield.ini"; }

    TempFolder dir;
    Project project;
    test::ScopedEnv env;
};

// Without a copy in the program folder the user's file is created on the
// first repair; a writable copy there is a portable copy and is written.
TEST_F(OptionsFile, TheUsersFileOrAWritableCopyInTheProgramFolderTakesTheRepair) {
    EXPECT_EQ(OptionsFilePath(project), User());
    EXPECT_FALSE(fs::exists(dir / "config"));
    IniFile ini = IniFile::Load(OptionsFilePath(project));
    ini.SetString("zarnik", "speed", "2");
    ASSERT_TRUE(SaveOptionsFile(project, ini));
    EXPECT_EQ(IniFile::Load(User()).GetInt("zarnik", "speed", 0), 2);
    EXPECT_FALSE(fs::exists(Program()));
    // Only the folders on the way are made.
    std::vector<std::string> made;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path()))
        made.push_back(entry.path().string());
    std::sort(made.begin(), made.end());
    EXPECT_EQ(made, (std::vector<std::string>{dir / "config", dir / "config/zarnikfield", User(),
                                              dir / "prog"}));

    fs::remove_all(dir / "config");
    const std::string text = "[zarnik]\r\nspeed=0\r\n";
    test::WriteBytesTo(Program(), {text.begin(), text.end()});
    EXPECT_EQ(OptionsFilePath(project), Program());
    ini = IniFile::Load(OptionsFilePath(project));
    ini.SetString("zarnik", "speed", "2");
    ASSERT_TRUE(SaveOptionsFile(project, ini));
    const std::vector<std::uint8_t> written = test::BytesOf(Program());
    EXPECT_EQ(std::string(written.begin(), written.end()), "[zarnik]\r\nspeed=2\r\n");
    EXPECT_FALSE(fs::exists(User()));
}

struct Case {
    const char* file;
    bool show;
    int delay;
    bool repaired;
    const char* written; // the tooltips section afterwards
};

TEST(TooltipOptions, DefaultsRangesAndRepairs) {
    const Case cases[] = {
        {"", true, 0, false, ""},
        {"[tooltips]\r\nshow=0\r\ndelay=10000\r\n", false, 10000, false, "0|10000"},
        {"[tooltips]\r\nshow=1\r\ndelay=0\r\n", true, 0, false, "1|0"},
        // A bad show reads as on; a bad delay polls at 1 ms for this run
        // and is written back as 0.
        {"[tooltips]\r\nshow=2\r\ndelay=250\r\n", true, 250, true, "1|250"},
        {"[tooltips]\r\nshow=-1\r\ndelay=10001\r\n", true, 1, true, "1|0"},
        {"[tooltips]\r\ndelay=-5\r\n", true, 1, true, "|0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        IniFile ini = IniFile::Parse(c.file);
        bool repaired = false;
        const TooltipOptions options = ReadTooltipOptions(ini, repaired);
        EXPECT_EQ(std::tuple(options.show, options.delay, repaired),
                  std::tuple(c.show, c.delay, c.repaired));
        const std::string written =
            ini.GetString("tooltips", "show", "") + "|" + ini.GetString("tooltips", "delay", "");
        EXPECT_EQ(written, *c.written ? c.written : "|");
    }
}

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostEight) {
    // A hand-edited list with a repeat and a gap reads clean.
    IniFile ini = IniFile::Parse(
        "[recent]\r\nfile1=/a.gop\r\nfile3=/a.gop\r\nfile4=/b.zfp\r\nfile9=/c.gop\r\n");
    EXPECT_EQ(ReadRecentFiles(ini), (std::vector<std::string>{"/a.gop", "/b.zfp"}));
    AddRecentFile(ini, "/b.zfp");
    EXPECT_EQ(ReadRecentFiles(ini), (std::vector<std::string>{"/b.zfp", "/a.gop"}));
    for (int i = 0; i < 9; ++i)
        AddRecentFile(ini, "/p" + std::to_string(i) + ".gop");
    const std::vector<std::string> files = ReadRecentFiles(IniFile::Parse(ini.Text()));
    ASSERT_EQ(files.size(), 8u);
    EXPECT_EQ(std::tuple(files.front(), files.back(), ini.GetString("recent", "file1", "")),
              std::tuple("/p8.gop", "/p1.gop", "/p8.gop"));
    IniFile fresh = IniFile::Parse("");
    AddRecentFile(fresh, "/x.gop");
    EXPECT_EQ(fresh.Text().find("file9"), std::string::npos);
    RemoveRecentFile(ini, "/p5.gop");
    EXPECT_EQ(ReadRecentFiles(ini).size(), 7u);
    EXPECT_EQ(ReadRecentFiles(ini)[3], "/p4.gop");
}

} // namespace
} // namespace zf
