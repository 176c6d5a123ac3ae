#include "files/lesson_file.h"

#include "file_test_support.h"
#include "files/go_program_file.h"
#include "files/paths.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zf {
namespace {

using test::Put16;
using test::Put32;

// A lesson's project folder with pictures of every kind, a stamp, a text,
// a trail and a saved Go Program.
class LessonFile : public ::testing::Test {
  protected:
    void SetUp() override {
        env.Set("XDG_DOCUMENTS_DIR", dir / "docs");
        test::MakeProjectFolder(dir / "made");
        for (const char* picture : {"zarniks/a.bmp", "backgnds/park.bmp", "objects/tree.bmp",
                                    "objects/Boat.bmp", "pens/red.bmp"})
            test::WriteBytesTo(dir / "made/" + picture,
                               {'B', 'M', std::uint8_t(picture[8]), std::uint8_t(picture[9])});
        test::WriteBytesTo(dir / "made/pens/notes.txt", {1});
        area.project.SetProgramFolder(dir / "prog/");
        area.project.SetFromPath(dir / "made/pirate.zfp");
        ASSERT_TRUE(test::FillScene(area, dir / "made/walk.gop"));
    }

    test::TempFolder dir;
    test::ScopedEnv env;
    test::Recorder ui;
    test::WorkingArea area{ui};
};

TEST_F(LessonFile, SavedAndOpenedElsewhereTheLessonIsWholeAndSavesTheSameBytes) {
    ProjectScene scene = area.Scene();
    ASSERT_TRUE(SaveLessonAs(scene, dir / "pirate.zfl"));
    const std::vector<std::uint8_t> saved = test::BytesOf(dir / "pirate.zfl");

    std::vector<LessonEntry> entries;
    ASSERT_TRUE(ReadLessonFile(saved, entries).ok());
    std::vector<std::string> names;
    for (const LessonEntry& e : entries)
        names.push_back(e.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"pirate.zfp", "walk.gop", "backgnds/", "backgnds/park.bmp",
                                        "zarniks/", "zarniks/a.bmp", "objects/", "objects/Boat.bmp",
                                        "objects/tree.bmp", "pens/", "pens/red.bmp"}));

    // Opened on another machine, from the work folder; twice, into two
    // folders, the first one kept as it was.
    test::Recorder otherUi;
    for (const char* folder : {"pirate", "pirate 2"}) {
        test::WorkingArea other(otherUi);
        ProjectScene target = other.Scene();
        ASSERT_TRUE(OpenLesson(target, dir / "pirate.zfl"));
        EXPECT_TRUE(otherUi.messages.empty()) << otherUi.lastWarning();
        const std::string unpacked = dir / "docs/Zarnikfield Work/" + folder + "/";
        EXPECT_EQ(other.project.folder, unpacked);
        EXPECT_EQ(test::BytesOf(unpacked + "pens/red.bmp"),
                  test::BytesOf(dir / "made/pens/red.bmp"));
        EXPECT_EQ(std::tuple(other.objects.size(), other.trail.trailLength(),
                             std::string(other.tables.names.Get(other.state.shapeId))),
                  std::tuple(3u, 3, std::string("a.bmp")));
        ASSERT_NE(other.editor.Last(GO_LIST), nullptr);
        EXPECT_EQ(other.editor.Last(GO_LIST)->opcode, op::Forward);
        EXPECT_EQ(PackLesson(target, "pirate.zfl"), saved) << folder;
    }
}

TEST_F(LessonFile, HostileArchivesAreRefusedWithTheirMessageAndWriteNothing) {
    ProjectScene scene = area.Scene();
    const std::vector<std::uint8_t> good = PackLesson(scene, "pirate.zfl");
    const std::size_t central = test::Get32(good, good.size() - 6); // the first central record
    auto patched = [&](std::size_t at, std::uint32_t value, int width) {
        std::vector<std::uint8_t> b = good;
        width == 2 ? Put16(b, at, std::uint16_t(value)) : Put32(b, at, value);
        return b;
    };
    auto named = [&](const std::string& name) {
        return WriteLessonFile({{"p.zfp", test::BytesOf(dir / "made/walk.gop")}, {name, {1}}});
    };
    auto counted = [&](std::uint16_t count) {
        std::vector<std::uint8_t> b = good;
        Put16(b, b.size() - 14, count);
        Put16(b, b.size() - 12, count);
        return b;
    };
    std::vector<std::uint8_t> wrongCrc = good;
    wrongCrc[40] ^= 1;
    const std::vector<std::uint8_t> truncated(good.begin(), good.end() - 30);
    std::vector<std::uint8_t> sizeBeyondFile = good;
    Put32(sizeBeyondFile, good.size() - 10, 0x7fffffff);
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        LessonError error;
        std::string detail;
    } cases[] = {
        {"escape", named("../evil.gop"), LessonError::UnsafeName, "../evil.gop"},
        {"escape in folder", named("pens/../../evil.bmp"), LessonError::UnsafeName,
         "pens/../../evil.bmp"},
        {"root", named("/tmp/evil.gop"), LessonError::UnsafeName, "/tmp/evil.gop"},
        {"backslash", named("pens\\evil.bmp"), LessonError::UnsafeName, "pens\\evil.bmp"},
        {"other folder", named("docs/a.bmp"), LessonError::UnsafeName, "docs/a.bmp"},
        {"other kind", named("pens/run.sh"), LessonError::UnsafeName, "pens/run.sh"},
        {"other kind at the top", named("notes.txt"), LessonError::UnsafeName, "notes.txt"},
        {"two projects", named("q.zfp"), LessonError::UnsafeName, "q.zfp"},
        {"no project", WriteLessonFile({{"walk.gop", {1}}}), LessonError::NoProject, ""},
        {"wrong crc", wrongCrc, LessonError::Damaged, ""},
        {"truncated directory", truncated, LessonError::Damaged, ""},
        {"directory beyond the file", sizeBeyondFile, LessonError::Damaged, ""},
        {"huge count", counted(0xffff), LessonError::TooLarge, ""},
        {"count beyond the directory", counted(200), LessonError::Damaged, ""},
        {"huge entry", patched(central + 24, 0x7fffffff, 4), LessonError::TooLarge, ""},
        {"sizes differ", patched(central + 20, 3, 4), LessonError::Damaged, ""},
        {"entry beyond the file", patched(central + 42, 0x7ffffff0, 4), LessonError::Damaged, ""},
        {"compressed", patched(central + 10, 8, 2), LessonError::Compressed, ""},
        {"compressed locally", patched(8, 8, 2), LessonError::Compressed, ""},
        {"encrypted", patched(central + 8, 1, 2), LessonError::Encrypted, ""},
        {"not a lesson", test::BytesOf(dir / "made/walk.gop"), LessonError::NotALesson, ""},
    };
    std::filesystem::create_directory(dir / "unpacked");
    for (const auto& c : cases) {
        std::vector<LessonEntry> entries;
        const LessonResult result = ReadLessonFile(c.bytes, entries);
        EXPECT_EQ(std::tuple(result.error, result.detail, entries.size()),
                  std::tuple(c.error, c.detail, 0u))
            << c.what;
        test::WorkingArea other(ui);
        ui.messages.clear();
        // Opened into a fresh parent folder, which must stay empty.
        ProjectScene into = other.Scene();
        EXPECT_FALSE(OpenLessonBytes(into, c.bytes, "in.zfl", dir / "unpacked")) << c.what;
        EXPECT_EQ(ui.lastWarning(), LessonErrorText(result, "in.zfl")) << c.what;
        EXPECT_TRUE(std::filesystem::is_empty(dir / "unpacked")) << c.what;
    }
    EXPECT_NE(LessonErrorText({LessonError::UnsafeName, "pens/x"}, "in.zfl").find("pens/x"),
              std::string::npos);
}

TEST_F(LessonFile, ALessonOfMoreEntriesThanItHoldsIsNotSaved) {
    // As many entries as a lesson holds, its four folders counted, are saved;
    // one more are not.
    ProjectScene scene = area.Scene();
    const std::size_t free = kMaxLessonEntries - 4 - GatherLesson(scene, "big.zfl").size();
    for (std::size_t i = 0; i < free; ++i)
        test::WriteBytesTo(dir / "made/pens/p" + std::to_string(i) + ".bmp", {1});
    EXPECT_FALSE(PackLesson(scene, dir / "big.zfl").empty());
    // A folder that is not there takes no lesson, and says so.
    EXPECT_FALSE(SaveLessonAs(scene, dir / "gone/big.zfl"));
    EXPECT_EQ(ui.lastWarning(), std::string(kFileNotSavedText) + dir / "gone/big.zfl");
    test::WriteBytesTo(dir / "made/pens/one more.bmp", {1});
    EXPECT_FALSE(SaveLessonAs(scene, dir / "big.zfl"));
    EXPECT_EQ(ui.lastWarning(), std::string(kFileTooLargeText) + dir / "big.zfl");
    EXPECT_FALSE(FileExists(dir / "big.zfl"));
}

TEST_F(LessonFile, UnpackingKeepsToItsFolderEvenForNamesNeverChecked) {
    std::filesystem::create_directory(dir / "into");
    EXPECT_EQ(UnpackLesson({{"p.zfp", {1}}, {"../evil.gop", {1}}}, dir / "into"), "");
    EXPECT_FALSE(FileExists(dir / "evil.gop"));
    EXPECT_EQ(UnpackLesson({{"p.zfp", {1}}, {"pens/x.bmp", {2}}}, dir / "into"),
              dir / "into/p.zfp");
    EXPECT_EQ(test::BytesOf(dir / "into/pens/x.bmp"), std::vector<std::uint8_t>{2});
}

} // namespace
} // namespace zf
