#include "files/project_file.h"

#include "file_test_support.h"
#include "files/file_io.h"
#include "files/go_program_file.h"
#include "files/paths.h"
#include "files/project_folder.h"
#include "program/unnumbered_texts.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace zf {
namespace {

using test::Get32;
using test::Put16;
using test::Put32;
using test::V1Project;

// The fixture's own working area, or a second one.
using Loaded = test::WorkingArea;

// The messages, made before the working area that shows them.
struct WithUi {
    test::Recorder ui;
};

// A project folder with its four sub-folders and two robot shapes.
class ProjectFile : public ::testing::Test, protected WithUi, protected Loaded {
  protected:
    ProjectFile() : Loaded(ui) {}

    void SetUp() override {
        editor.Head(GO_LIST)->nameId = tables.names.Add("walk.gop");
        test::MakeProjectFolder(dir.path());
        test::WriteBytesTo(dir / "zarniks/b.bmp", {1});
        test::WriteBytesTo(dir / "zarniks/a.bmp", {1});
        // The program lives elsewhere, or every project here would be predefined.
        std::filesystem::create_directory(dir / "prog");
        project.SetProgramFolder(dir / "prog/");
        project.SetFromPath(dir.path() + "/");
    }

    void FillScene() { ASSERT_TRUE(test::FillScene(*this, dir / "walk.gop")); }

    test::TempFolder dir;
};

TEST_F(ProjectFile, AChangedGoProgramThatCannotBeWrittenIsNamedWhenTheProjectIsSaved) {
    ZF_SKIP_WITHOUT_POSIX_FILES("no rights");
    FillScene();
    editor.modified = 1;
    ::chmod((dir / "walk.gop").c_str(), 0444);
    ::chmod(dir.path().c_str(), 0777);
    EXPECT_TRUE(test::WithoutRights([&] {
        ProjectScene scene = Scene();
        return SaveProjectAs(scene, dir / "p.zfp") &&
               ui.lastWarningId() == TextId::ProjectGoProgramReadOnly;
    }));
}

TEST_F(ProjectFile, ALessonSavedIntoAFolderOfItsOwnOpensWholeWhereverItIsCopied) {
    FillScene();
    for (const char* picture : {"backgnds/park.bmp", "objects/tree.bmp", "pens/redthin.bmp"})
        test::WriteBytesTo(dir / picture, {1});
    // The Go Program and then the project saved into a folder of the
    // teacher's own, away from the project folder.
    test::TempFolder home;
    const std::string lesson = home / "pirate/";
    std::filesystem::create_directory(lesson);
    ASSERT_TRUE(SaveGoProgramAs(editor, lesson + "flower.gop"));
    ProjectScene scene = Scene();
    // A folder that is not there takes nothing, and the project keeps its name.
    EXPECT_FALSE(SaveProjectAs(scene, home / "gone/pirate.zfp"));
    EXPECT_NE(project.fileName, "pirate.zfp");
    ui.clear();
    ASSERT_TRUE(SaveProjectAs(scene, lesson + "pirate.zfp"));
    EXPECT_TRUE(ui.messages.empty()) << ui.lastWarning();
    EXPECT_FALSE(host.modified);
    EXPECT_EQ(project.folder, lesson);
    for (const char* file : {"zarniks/a.bmp", "zarniks/b.bmp", "backgnds/park.bmp",
                             "objects/tree.bmp", "pens/redthin.bmp"})
        EXPECT_TRUE(FileExists(lesson + file)) << file;
    // A program saved somewhere else, or named by its path there, comes
    // beside the project saved again as its file holds it.
    test::TempFolder elsewhere;
    ASSERT_TRUE(SaveGoProgramAs(editor, elsewhere / "walk3.gop"));
    ASSERT_TRUE(SaveGoProgramAs(editor, elsewhere / "walk2.gop"));
    editor.NewInstruction(op::Back);
    ASSERT_TRUE(SaveProjectAs(scene, lesson + "pirate.zfp"));
    editor.Head(GO_LIST)->nameId = tables.names.Add(elsewhere / "walk3.gop");
    ASSERT_TRUE(SaveProjectAs(scene, lesson + "pirate.zfp"));
    for (const char* name : {"walk2.gop", "walk3.gop"})
        EXPECT_EQ(test::BytesOf(lesson + name), test::BytesOf(elsewhere / name)) << name;

    // The folder copied to another home opens whole from there, with no
    // message, though the folder it was saved from is still about.
    test::TempFolder otherHome;
    const std::string copied = otherHome / "pirate/";
    std::filesystem::copy(lesson, copied, std::filesystem::copy_options::recursive);
    Loaded to(ui, project);
    ASSERT_TRUE(to.Open(copied + "pirate.zfp"));
    EXPECT_TRUE(ui.messages.empty()) << ui.lastWarning();
    EXPECT_EQ(std::tuple(to.project.folder, to.project.fileName,
                         std::string(to.tables.names.Get(to.state.shapeId)), to.objects.size(),
                         to.trail.trailLength(), to.editor.file),
              std::tuple(copied, "pirate.zfp", "a.bmp", 3u, 3, copied + "walk3.gop"));
    ASSERT_NE(to.editor.Last(GO_LIST), nullptr);
    EXPECT_EQ(to.editor.Last(GO_LIST)->opcode, op::Forward);
    // An empty GO list is stored as no name and loads as empty lists.
    editor.DestroyProgramList(GO_LIST);
    ASSERT_TRUE(SaveProjectAs(scene, lesson + "empty.zfp"));
    ASSERT_TRUE(to.Open(lesson + "empty.zfp"));
    EXPECT_EQ(std::tuple(to.editor.Head(GO_LIST), to.editor.Head(PROC_LIST)),
              std::tuple(nullptr, nullptr));
}

TEST_F(ProjectFile, AProjectWithoutItsPicturesOrItsProgramSaysWhatIsMissing) {
    using namespace unnumbered;
    FillScene();
    ProjectScene scene = Scene();
    // A project file copied alone from a machine whose folders are not here
    // is not opened at all, and the message says how to mend it.
    test::TempFolder stick;
    test::WriteBytesTo(stick / "p.zfp", WriteProjectV2(scene, "C:\\Gone\\"));
    EXPECT_FALSE(Open(stick / "p.zfp"));
    EXPECT_NE(ui.lastWarning().find(kProjectFoldersMend), std::string::npos);
    EXPECT_EQ(std::tuple(objects.size(), trail.trailLength()), std::tuple(3u, 3));

    // The Go Program is looked for beside the project file first, then in
    // the project folder it names; the pictures come from there, as the
    // folder beside does not hold them.
    test::TempFolder beside;
    test::MakeProjectFolder(beside.path());
    ASSERT_TRUE(SaveGoProgramAs(editor, beside / "flower.gop"));
    test::WriteBytesTo(beside / "p.zfp", WriteProjectV2(scene, ToStoredPath(dir.path() + "/")));
    ui.clear();
    Loaded to(ui, project);
    ASSERT_TRUE(to.Open(beside / "p.zfp"));
    EXPECT_TRUE(ui.messages.empty()) << ui.lastWarning();
    ASSERT_NE(to.editor.Last(GO_LIST), nullptr);
    EXPECT_EQ(std::tuple(to.project.folder, to.editor.Last(GO_LIST)->opcode),
              std::tuple(dir.path() + "/", op::Forward));
    // One that cannot be read is not taken, and the last one goes too.
    auto damaged = test::BytesOf(beside / "flower.gop");
    Put32(damaged, 84, 65); // more sections than the directory holds
    test::WriteBytesTo(beside / "flower.gop", damaged);
    ASSERT_TRUE(to.Open(beside / "p.zfp"));
    EXPECT_EQ(std::tuple(ui.messages.size(), to.editor.Head(GO_LIST)), std::tuple(0u, nullptr));
    // Found nowhere, it is named with the folders it was looked for in.
    std::filesystem::remove(beside / "flower.gop");
    ASSERT_TRUE(to.Open(beside / "p.zfp"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.lastWarning(), Text(TextId::ProjectGoProgramNotFound) +
                                    "\n\nflower.gop was looked for in:\n" + beside.path() + "/\n" +
                                    dir.path() + "/");
    EXPECT_EQ(to.editor.Head(GO_LIST), nullptr);
    // With every picture beside it the project is taken from there; with
    // one missing, from the folder it names.
    for (const char* picture : {"zarniks/a.bmp", "backgnds/park.bmp", "objects/tree.bmp"})
        test::WriteBytesTo(beside / picture, {1});
    ASSERT_TRUE(to.Open(beside / "p.zfp"));
    EXPECT_EQ(to.project.folder, beside.path() + "/");
    std::filesystem::remove(beside / "objects/tree.bmp");
    ASSERT_TRUE(to.Open(beside / "p.zfp"));
    EXPECT_EQ(to.project.folder, dir.path() + "/");
    // Opened by name, a damaged one is refused without a word.
    test::WriteBytesTo(dir / "flower.gop", damaged);
    ui.clear();
    ProjectScene target = to.Scene();
    EXPECT_FALSE(OpenGoProgramByName(target, "flower.gop"));
    // An empty name is a project with no program; one named by its folder
    // inside the project is taken from there.
    ASSERT_TRUE(OpenGoProgramByName(target, "") && SaveGoProgramAs(editor, dir / "prog/w.gop") &&
                OpenGoProgramByName(target, "prog\\w.gop"));
    EXPECT_EQ(to.editor.file, dir / "prog/w.gop");
    EXPECT_TRUE(ui.messages.empty()) << ui.lastWarning();
}

TEST_F(ProjectFile, ADamagedProjectIsRefusedWholeAndChangesNothing) {
    FillScene();
    ProjectScene scene = Scene();
    const std::vector<std::uint8_t> good = WriteProjectV2(scene, dir.path());
    std::size_t objectsAt = Get32(good, 88 + 12 + 8);
    std::size_t settings = Get32(good, 88 + 48 + 8);
    std::vector<std::vector<std::uint8_t>> damaged(7, good);
    Put32(damaged[0], 88 + 12 + 8, 0x7FFFFFFF); // objects section outside the file
    Put32(damaged[1], settings + 20, 999);      // Go Program name id
    Put32(damaged[2], objectsAt + 44, 999);     // stamp name id
    Put32(damaged[3], objectsAt + 88 + 8, 5);   // text record index
    Put16(damaged[4], 88 + 48, 31);             // no settings section
    // Names that climb out of the project: a stamp, the Go Program.
    auto rename = [](std::vector<std::uint8_t>& file, const std::string& from,
                     const std::string& to) {
        auto at = std::search(file.begin(), file.end(), from.begin(), from.end());
        ASSERT_NE(at, file.end()) << from;
        std::copy(to.begin(), to.end(), at);
    };
    rename(damaged[5], "tree.bmp", "..\\t.bmp");
    rename(damaged[6], "walk.gop", "../w.gop");
    damaged.push_back({'[', 'a', ']', '\n'}); // no project at all
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        test::WriteBytesTo(dir / "d.zfp", damaged[i]);
        Loaded to(ui, project);
        to.state.heading = 45;
        to.trail.SetTrailPoint({1, 2, 3}, 0);
        ui.clear();
        EXPECT_FALSE(to.Open(dir / "d.zfp", false)) << i;
        EXPECT_EQ(ui.lastWarning(), Text(TextId::NotAProjectFile, {dir / "d.zfp"})) << i;
        EXPECT_EQ(std::tuple(to.state.heading, to.trail.trailLength(), to.host.title.empty(),
                             to.project.folder),
                  std::tuple(45, 1, true, project.folder));
    }
    ProjectData none;
    EXPECT_FALSE(ParseProjectV2(damaged.back(), none));
    // The refusal is shown even when not reporting; a missing file or a
    // folder has its own.
    test::WriteBytesTo(dir / "big.zfp", {'['});
    std::filesystem::resize_file(dir / "big.zfp", kMaxLoadedFileSize + 1);
    for (const auto& [name, refusal] :
         {std::pair<std::string, std::string>{"none.zfp", Text(TextId::ProjectNotFound)},
          {"prog", unnumbered::kProjectNotAFile},
          {"big.zfp", unnumbered::kProjectTooLarge}}) {
        EXPECT_FALSE(Open(dir / name)) << name;
        EXPECT_EQ(ui.lastWarning(), refusal) << name;
    }
}

std::string WriteIni(const test::TempFolder& dir, const std::string& name,
                     const std::string& text) {
    test::WriteBytesTo(dir / name, std::vector<std::uint8_t>(text.begin(), text.end()));
    return dir / name;
}

TEST_F(ProjectFile, AnIniProjectConvertsStepsFromTheCentreAndFallsBackWithMessages) {
    test::WriteBytesTo(dir / "walk.gop", WriteGoProgramV2(editor));
    std::string path = WriteIni(dir, "i.zfp",
                                "[zarnik pos]\r\nx=0.5\r\ny=-1.5\r\nbearing=-5\r\n"
                                "[zarnik shapes]\r\ndef=b.bmp\r\n[background]\r\ndef=park.bmp\r\n"
                                "[go program]\r\ndef=walk.gop\r\n");
    state.units.stepUnit = 15;
    state.flipped = true;
    ASSERT_TRUE(Open(path));
    EXPECT_TRUE(ui.messages.empty()) << ui.lastWarning();
    EXPECT_EQ(std::tuple(bool(host.modified), bool(state.flipped), state.units.stepUnit,
                         state.homeX, state.homeY, state.heading,
                         std::string(tables.names.Get(state.shapeId)), host.title),
              std::tuple(false, false, 30, 1650, 1950, 0, "b.bmp", dir.path() + "/"));
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(std::tuple(objects[0].kind, objects[0].x, editor.Head(GO_LIST) != nullptr),
              std::tuple(objectkind::Background, 1500, true));

    // A missing shape or Go Program falls back, each with its message; the
    // shape to the first picture of the robots' folder, not a file before it.
    test::WriteBytesTo(dir / "zarniks/0.txt", {1});
    ui.clear();
    path = WriteIni(dir, "i.zfp",
                    "[floor size]\r\nx=120\r\ny=1\r\n[zarnik pos]\r\nbearing=359\r\n[go "
                    "program]\r\ndef=gone.gop\r\n");
    ASSERT_TRUE(Open(path));
    ASSERT_EQ(ui.messages.size(), 2u);
    // zarndef.bmp missing: a.bmp comes first.
    EXPECT_EQ(
        std::tuple(ui.messages[0].id, std::string(tables.names.Get(state.shapeId)), state.heading),
        std::tuple(TextId::ProjectZarnikNotFound, "a.bmp", 359));
    EXPECT_EQ(
        std::tuple(ui.messages[1].id, state.floorWidth, state.floorHeight, editor.Head(GO_LIST)),
        std::tuple(TextId::ProjectGoProgramNotFound, 3000, 300, nullptr));

    std::filesystem::remove(dir / "zarniks/a.bmp");
    std::filesystem::remove(dir / "zarniks/b.bmp");
    ui.clear();
    ASSERT_TRUE(Open(path));
    EXPECT_EQ(std::tuple(ui.messages[0].id, std::string(tables.names.Get(state.shapeId))),
              std::tuple(TextId::ProjectHasNoZarniks, "zarndef.bmp"));
}

TEST_F(ProjectFile, AVersion1ProjectLoadsWithItsOptions) {
    test::WriteBytesTo(dir / "walk.gop", WriteGoProgramV2(editor));
    std::vector<std::uint8_t> v1 = V1Project("C:\\OLD\\PLACE\\");
    // The label after the two objects holds what would read as a third.
    Put16(v1, 398 + 88 + 16, objectkind::Stamp);
    test::WriteBytesTo(dir / "v1.zfp", v1);
    state.units.turnUnit = 4;
    ASSERT_TRUE(Open(dir / "v1.zfp"));
    EXPECT_TRUE(ui.messages.empty()) << ui.lastWarning();
    ASSERT_TRUE(host.options);
    // The stored folder is of another machine: the Go Program is found beside the project.
    EXPECT_EQ(std::tuple(host.options->listingSize, host.options->speed, state.floorWidth,
                         state.floorHeight, state.heading, bool(state.flipped),
                         std::string(tables.names.Get(state.shapeId)), state.units.turnUnit,
                         bool(host.modified), project.folder, editor.Head(GO_LIST) != nullptr),
              std::tuple(3, 3, 6000, 3000, 90, true, "b.bmp", 1, false, dir.path() + "/", true));
    ASSERT_EQ(std::tuple(trail.trailLength(), objects.size()), std::tuple(2, 2u));
    EXPECT_EQ(trail.GetTrailPoint(0), (TrailPoint{150, 300, -1}));
    EXPECT_STREQ(tables.names.Get(objects[0].nameId), "tree.bmp");
    TextObjectRecord record =
        TextObjectRecord::FromBytes(tables.textObjects.Get(std::uint32_t(objects[1].param1)));
    EXPECT_STREQ(tables.texts.Get(record.textId), "Hello");
}

TEST_F(ProjectFile,
       TheCommandLineChoosesByTheLastThreeLettersAndTakesRelativeNamesFromWhereItWasGiven) {
    FillScene();
    ProjectScene scene = Scene();
    ASSERT_TRUE(SaveProjectAs(scene, dir / "P.ZFP"));
    Loaded to(ui, project);
    ProjectScene target = to.Scene();
    EXPECT_EQ(StartupLoad(target, "\"" + (dir / "P.ZFP") + "\""), StartupOpened::Project);
    EXPECT_EQ(to.objects.size(), 3u);
    // A Go Program on its own keeps the default project's pictures.
    EXPECT_EQ(StartupLoad(target, dir / "zarniks/../walk.gop"), StartupOpened::GoProgram);
    EXPECT_EQ(
        std::tuple(to.project.folder, to.objects.size(), to.editor.Head(GO_LIST)->next->opcode),
        std::tuple(dir / "prog/", 3u, op::Forward));

    EXPECT_EQ(StartupLoad(target, dir / "notes.txt"), StartupOpened::Nothing);
    EXPECT_EQ(to.project.folder, dir / "prog/");

    // A relative name is taken from the directory the program was started
    // in, the shortest a Go Program's can be too; a project saved after one
    // given with ".." stores no "..", and opens again with it.
    std::filesystem::create_directories(dir / "user");
    std::filesystem::copy_file(dir / "walk.gop", dir / "user/w.gop");
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(dir / "user");
    const StartupOpened shortest = StartupLoad(scene, "w.gop");
    const StartupOpened opened = StartupLoad(scene, "../user/../walk.gop");
    std::filesystem::current_path(started);
    ASSERT_EQ(std::tuple(shortest, opened),
              std::tuple(StartupOpened::GoProgram, StartupOpened::GoProgram));
    EXPECT_EQ(tables.names.Get(editor.Head(GO_LIST)->nameId), dir / "walk.gop");
    ASSERT_TRUE(SaveProjectAs(scene, dir / "p.zfp"));
    ui.clear();
    Loaded again(ui, project);
    ASSERT_TRUE(again.Open(dir / "p.zfp"));
    EXPECT_EQ(std::tuple(ui.messages.size(), again.editor.Last(GO_LIST)->opcode),
              std::tuple(0u, op::Forward));
    // A name typed while the user's folder is open is taken from there.
    WriteIni(dir, "i.zfp", "[zarnik pos]\r\nx=1\r\n[zarnik shapes]\r\ndef=a.bmp\r\n");
    project.SetFromPath(dir / "user/");
    ASSERT_TRUE(Open("../i.zfp"));
    EXPECT_EQ(std::tuple(ui.messages.size(), project.folder, state.x),
              std::tuple(0u, dir.path() + "/", 1800));
}

TEST_F(ProjectFile, AnOldProjectConvertsToTheSameContentsInVersion2) {
    ProjectData old;
    // A background is taken; an object of a kind unknown here is left out.
    auto kinds = V1Project("");
    Put16(kinds, 398 + 12 + 16, objectkind::Background);
    ProjectData background, unknown;
    ASSERT_TRUE(ParseProjectV1(kinds, background));
    Put16(kinds, 398 + 12 + 16, 9);
    ASSERT_TRUE(ParseProjectV1(kinds, unknown));
    ASSERT_EQ(unknown.objects.size(), 1u);
    EXPECT_EQ(std::tuple(background.objects.front().kind, unknown.objects[0].kind),
              std::tuple(objectkind::Background, objectkind::Text));
    ASSERT_TRUE(ParseProjectV1(V1Project("C:\\OLD\\"), old));
    // Object records stored at their fields' own 34 bytes read the same.
    auto narrow = V1Project("C:\\OLD\\");
    Put16(narrow, 38, 34);
    narrow.erase(narrow.begin() + 398 + 12 + 38 + 34, narrow.begin() + 398 + 12 + 76);
    narrow.erase(narrow.begin() + 398 + 12 + 34, narrow.begin() + 398 + 12 + 38);
    ProjectData fromNarrow;
    ASSERT_TRUE(ParseProjectV1(narrow, fromNarrow));
    EXPECT_EQ(WriteProjectV2(fromNarrow), WriteProjectV2(old));
    ProjectData converted;
    ASSERT_TRUE(ParseProjectV2(WriteProjectV2(old), converted));
    EXPECT_EQ(std::tuple(converted.trail, converted.folder, converted.goProgram, converted.mirrored,
                         converted.heading),
              std::tuple(old.trail, "C:\\OLD\\", "walk.gop", 1u, 90));
    ASSERT_EQ(converted.objects.size(), old.objects.size());
    for (std::size_t i = 0; i < old.objects.size(); ++i) {
        EXPECT_EQ(std::tuple(converted.objects[i].kind, converted.objects[i].name,
                             converted.objects[i].text, converted.objects[i].y),
                  std::tuple(old.objects[i].kind, old.objects[i].name, old.objects[i].text,
                             old.objects[i].y));
        TextObjectRecord a = converted.objects[i].record, b = old.objects[i].record;
        a.textId = b.textId = 0;
        EXPECT_EQ(a, b);
    }
    // A heading out of range is kept as the 0 it loads as.
    auto file = V1Project("");
    Put16(file, 80 + 286, static_cast<std::uint16_t>(-5));
    ASSERT_TRUE(ParseProjectV1(file, old));
    ASSERT_TRUE(ParseProjectV2(WriteProjectV2(old), converted));
    EXPECT_EQ(std::tuple(converted.heading, converted.x), std::tuple(0, 750));
    Put16(file, 80 + 286, 359);
    ASSERT_TRUE(ParseProjectV1(file, old));
    EXPECT_EQ(old.heading, 359);
    // A file of its settings alone, with no trail and no objects, is whole.
    file = V1Project("");
    for (std::size_t at : {32, 34, 36, 38})
        Put16(file, at, 0);
    file.resize(398);
    EXPECT_TRUE(ParseProjectV1(file, old));
    file.pop_back();
    EXPECT_FALSE(ParseProjectV1(file, old));
}

TEST_F(ProjectFile, APositionTheFileCannotHoldWholeIsRefusedNeverWrapped) {
    // 250 steps right of the centre is 76,500 mm: 16 bits would save 10,964.
    for (const char* pos : {"x=250", "y=-250", "y=6"}) {
        ui.clear();
        const std::string path =
            WriteIni(dir, "far.zfp",
                     std::string("[zarnik pos]\r\n") + pos + "\r\n[floor size]\r\ny=240\r\n");
        EXPECT_FALSE(Open(path)) << pos;
        EXPECT_EQ(ui.lastWarning(), Text(TextId::NotAProjectFile, {path})) << pos;
    }
    // Nor does a sound one opened while a Go Program runs, from another folder.
    test::MakeProjectFolder(dir / "other");
    const std::string other = WriteIni(dir, "other/o.zfp", "[zarnik pos]\r\nx=1\r\n");
    state.running = true;
    EXPECT_FALSE(Open(other));
    EXPECT_EQ(std::tuple(project.folder, host.title.empty(), objects.size()),
              std::tuple(dir.path() + "/", true, 0u));
}

TEST_F(ProjectFile, APredefinedProjectOpensAsACopyOpeningAChangedCopyOnlyWhenChosen) {
    const std::string data = dir / "prog/lessons/one/";
    test::MakeProjectFolder(data);
    test::WriteBytesTo(data + "zarniks/zarndef.bmp", {1});
    NameTables programTables;
    GoEditor program(ui, programTables);
    program.NewInstruction(op::Forward)->digits[0] = 2;
    ASSERT_TRUE(SaveGoProgramAs(program, data + "walk.gop"));
    const std::string path =
        WriteIni(dir, "prog/one.zfp",
                 "[project]\r\nrelpath=lessons\\one\\\r\n[zarnik pos]\r\nx=1\r\n"
                 "[go program]\r\ndef=walk.gop\r\n");
    test::ScopedEnv env;
    env.Set("XDG_DOCUMENTS_DIR", dir / "docs");
    ProjectScene scene = Scene();
    ASSERT_TRUE(OpenProject(scene, path, true));
    EXPECT_TRUE(ui.messages.empty()) << ui.lastWarning();
    const std::string work = dir / "docs/Zarnikfield Work/";
    EXPECT_EQ(std::tuple(project.folder, state.x), std::tuple(work + "lessons/one/", 1800));
    // The child moves the robot, changes the Go Program and saves both.
    const std::string copy = work + "one.zfp";
    SetZarnikPosition(scene, 2400, 600);
    editor.Last(GO_LIST)->opcode = op::Back;
    ASSERT_TRUE(SaveGoProgramAs(editor, work + "lessons/one/walk.gop"));
    ASSERT_TRUE(SaveProjectAs(scene, copy));
    const std::vector<std::uint8_t> saved = test::BytesOf(copy);

    // A program added to the lesson since comes into the copy's folder too.
    test::WriteBytesTo(data + "other.gop", {1});
    ui.answers = {Answer::Cancel, Answer::Yes, Answer::No};
    SetZarnikPosition(scene, 150, 150);
    EXPECT_FALSE(OpenProject(scene, path, true));
    EXPECT_EQ(state.x, 150);
    ASSERT_TRUE(OpenProject(scene, path, true));
    EXPECT_EQ(std::tuple(state.x, FileExists(work + "lessons/one/other.gop"), test::BytesOf(copy)),
              std::tuple(2400, true, saved));
    ASSERT_TRUE(OpenProject(scene, path, true));
    // Afresh means the original Go Program too; the child's is kept beside it.
    EXPECT_EQ(std::tuple(state.x, test::BytesOf(work + "one (old).zfp"),
                         editor.Last(GO_LIST)->opcode, test::BytesOf(work + "lessons/one/walk.gop"),
                         FileExists(work + "lessons/one/walk (old).gop")),
              std::tuple(1800, saved, op::Forward, test::BytesOf(data + "walk.gop"), true));
    ASSERT_EQ(ui.questions.size(), 3u);
    EXPECT_NE(ui.questions[0].text.find(copy), std::string::npos);
    EXPECT_TRUE(ui.messages.empty()) << ui.lastWarning();

    // Without relpath a predefined project is not one.
    EXPECT_FALSE(Open(WriteIni(dir, "prog/two.zfp", "[zarnik pos]\r\nx=1\r\n")));
    EXPECT_EQ(ui.lastWarningId(), TextId::NotAProjectFile);

    // A work folder that cannot be written is named; the project is not
    // blamed for it. Here the documents folder would lie inside a file.
    test::WriteBytesTo(dir / "plain", {1});
    env.Set("XDG_DOCUMENTS_DIR", dir / "plain/docs");
    EXPECT_FALSE(OpenProject(scene, path, true));
    EXPECT_EQ(ui.lastWarning(), "Zarnikfield cannot write in its Work folder:\n" +
                                    (dir / "plain/docs/Zarnikfield Work") +
                                    "\n\nProject not opened.");
    env.Unset("XDG_DOCUMENTS_DIR");
    env.Unset("HOME");
    EXPECT_FALSE(OpenProject(scene, path, true));
    EXPECT_EQ(std::tuple(ui.lastWarning(), state.x), std::tuple(unnumbered::kNoWorkFolder, 1800));
}

// Pictures named with folders or "..": the loader's own refusal. A name is
// what comes before its first zero byte, and is checked so.
TEST_F(ProjectFile, NamesNeverLeadOutOfTheProject) {
    using namespace std::string_literals;
    for (const std::string& ini : {"[zarnik shapes]\r\ndef=..\\..\\secret\\secret.bmp\r\n"s,
                                   "[background]\r\ndef=/etc/x.bmp\r\n"s,
                                   "[go program]\r\ndef=..\\..\\..\\..\\etc\\passwd\r\n"s,
                                   "[go program]\r\ndef=..\0x\r\n"s}) {
        ui.clear();
        const std::string path = WriteIni(dir, "i.zfp", ini);
        EXPECT_FALSE(Open(path)) << ini;
        EXPECT_EQ(ui.lastWarning(), Text(TextId::NotAProjectFile, {path})) << ini;
        ProjectScene scene = Scene();
        EXPECT_FALSE(ReadProjectIniFile(scene, path)) << ini;
    }
}

} // namespace
} // namespace zf
