#include "desktop_fixture.h"

#include "files/go_program_file.h"

namespace zf::ui {
namespace {

// A lesson saved from the File menu opens whole from the work folder after
// the usual questions; what a lesson holds is the lesson file test's.
class Lesson : public DesktopTest {
  protected:
    void SetUp() override {
        qputenv("XDG_DOCUMENTS_DIR", QFile::encodeName(temp.filePath("docs")));
        DesktopTest::SetUp();
    }
    void TearDown() override {
        DesktopTest::TearDown();
        qunsetenv("XDG_DOCUMENTS_DIR");
    }
    std::string Path(const char* name) const { return temp.filePath(name).toStdString(); }
};

TEST_F(Lesson, SavedFromTheMenuItOpensFromTheWorkFolderAfterTheQuestions) {
    window->OpenProjectCommand(ZF_SOURCE_EXAMPLES "/island.zfp");
    KeySequence(editor(), "FD 2");
    ASSERT_TRUE(SaveGoProgramAs(editor(), Path("trip.gop")));
    std::vector<std::string> filters;
    saveName = [&](const std::string& filter) {
        filters.push_back(filter);
        return Path("island");
    };
    window->Command(command::SaveLesson);
    EXPECT_EQ(filters, std::vector<std::string>{"Lesson"});
    ASSERT_TRUE(std::filesystem::exists(Path("island.zfl")));

    // Changed work is asked about first; Cancel opens nothing.
    Press(key::Back);
    answer = Answer::Cancel;
    shown.clear();
    const std::string before = doc().project.folder;
    window->OpenLessonCommand(Path("island.zfl"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].id, TextId::SaveGoProgramChanges);
    EXPECT_EQ(doc().project.folder, before);
    EXPECT_FALSE(std::filesystem::exists(Path("docs")));

    answer = Answer::No;
    window->OpenLessonCommand(Path("island.zfl"));
    const std::string unpacked = Path("docs") + "/Zarnikfield Work/island/";
    EXPECT_EQ(doc().project.folder, unpacked);
    EXPECT_EQ(Lines(GO_LIST),
              (std::vector<std::string>{"NAME(\"" + unpacked + "trip.gop\")", "FD 2"}));
    EXPECT_TRUE(std::filesystem::exists(unpacked + "backgnds/island.bmp"));

    // Started with a lesson, as a double-click in the file manager starts
    // the program, it opens whole into a folder of its own.
    window->StartupLoad(Path("island.zfl"));
    EXPECT_EQ(doc().project.folder, Path("docs") + "/Zarnikfield Work/island 2/");
}

} // namespace
} // namespace zf::ui
