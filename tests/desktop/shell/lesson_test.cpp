#include "desktop_fixture.h"

#include "files/go_program_file.h"
#include "files/lesson_file.h"
#include "files/paths.h"
#include "program/program_snapshot.h"

#include <fstream>
#include <iterator>

namespace zf::ui {
namespace {

std::vector<char> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A lesson saved from the File menu opens whole from the work folder after
// the usual questions, and a file that is none is refused as files are.
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
    const std::vector<char> saved = Bytes(Path("island.zfl"));
    ASSERT_FALSE(saved.empty());

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
    // Saved again from where it was opened, the same bytes.
    saveName = [&](const std::string&) { return Path("again.zfl"); };
    window->Command(command::SaveLesson);
    EXPECT_EQ(Bytes(Path("again.zfl")), saved);

    // Not a lesson: refused with its message, the lesson kept.
    shown.clear();
    window->OpenLessonCommand(Path("trip.gop"));
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().text, LessonErrorText({LessonError::NotALesson, ""}, Path("trip.gop")));
    EXPECT_EQ(doc().project.folder, unpacked);

    // Started with a lesson, as a double-click in the file manager starts
    // the program, it opens whole into a folder of its own.
    window->StartupLoad(Path("island.zfl"));
    EXPECT_EQ(doc().project.folder, Path("docs") + "/Zarnikfield Work/island 2/");
}

} // namespace
} // namespace zf::ui
