#include "files/activities.h"

#include "file_test_support.h"
#include "files/paths.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zf {
namespace {

// A preview's pictures come from the folder a 2.0 project stores only where
// that folder exists here, else from the file's own; an ini project's from
// its relative folder. A file that is no sound project changes nothing.
TEST(Activities, PreviewsFindTheirPicturesAndRefuseWhatIsNoProject) {
    test::TempFolder dir;
    std::filesystem::create_directories(dir / "lesson");
    std::filesystem::create_directories(dir / "shelf");
    ProjectData data;
    data.folder = ToStoredPath(dir / "lesson/");
    data.x = 600;
    data.mirrored = 1;
    data.objects.resize(1);
    data.objects[0].kind = objectkind::Stamp;
    data.objects[0].name = "tree.bmp";
    const auto stored = WriteProjectV2(data);
    test::WriteBytesTo(dir / "shelf/a.zfp", stored);
    data.folder = "C:\\Gone\\";
    test::WriteBytesTo(dir / "shelf/b.zfp", WriteProjectV2(data));
    // A lesson's project stores no folder at all.
    data.folder.clear();
    test::WriteBytesTo(dir / "f.zfp", WriteProjectV2(data));
    auto damaged = stored;
    test::Put32(damaged, 84, 65);
    test::WriteBytesTo(dir / "shelf/c.zfp", damaged);
    const std::string ini = "[project]\r\nrelpath=lesson\\\r\n[zarnik pos]\r\nx=1\r\n";
    test::WriteBytesTo(dir / "d.zfp", {ini.begin(), ini.end()});
    const std::string other = "[colours]\r\nsky=blue\r\n";
    test::WriteBytesTo(dir / "e.zfp", {other.begin(), other.end()});

    test::Recorder ui;
    test::WorkingArea area(ui);
    ProjectScene scene = area.Scene();
    const ZarnikState& state = area.state;
    const Project& project = area.project;
    const std::pair<const char*, std::string> folders[] = {{"shelf/a.zfp", dir / "lesson/"},
                                                           {"shelf/b.zfp", dir / "shelf/"},
                                                           {"f.zfp", dir.path() + "/"},
                                                           {"d.zfp", dir / "lesson/"}};
    for (const auto& [file, folder] : folders) {
        EXPECT_TRUE(PreviewProject(scene, dir / file)) << file;
        EXPECT_EQ(project.folder, folder) << file;
    }
    EXPECT_EQ(state.x, 1800);
    EXPECT_FALSE(state.homeFlipped);
    ASSERT_TRUE(PreviewProject(scene, dir / "shelf/a.zfp"));
    EXPECT_TRUE(state.homeFlipped);
    ASSERT_TRUE(PreviewProject(scene, dir / "d.zfp"));
    for (const char* file : {"shelf/c.zfp", "none.zfp", "e.zfp"}) {
        EXPECT_FALSE(PreviewProject(scene, dir / file)) << file;
        EXPECT_EQ(project.folder, dir / "lesson/");
        EXPECT_EQ(state.x, 1800);
    }
    EXPECT_TRUE(ui.messages.empty());

    // The catalogue's order first, then the others by name; a project it
    // does not list is titled by its file name.
    const std::string catalogue = "[activities]\r\norder=C.zfp, "
                                  "b.zfp,gone.zfp\r\n[b.zfp]\r\ntitle=Bee\r\ndescription=Hum\r\n";
    test::WriteBytesTo(dir / "shelf/activities.ini", {catalogue.begin(), catalogue.end()});
    std::vector<std::string> listed;
    for (const Activity& a : ReadActivities(dir / "shelf"))
        listed.push_back(a.project + "|" + a.title + "|" + a.description);
    EXPECT_EQ(listed, (std::vector<std::string>{dir / "shelf/c.zfp|c|", dir / "shelf/b.zfp|Bee|Hum",
                                                dir / "shelf/a.zfp|a|"}));
}

TEST(Activities, ShippedFoldersAreTakenFromBesideTheProgramFirst) {
    test::TempFolder dir;
    Project installed;
    installed.SetProgramFolder(dir / "bin/");
    for (const char* folder :
         {"share/zarnikfield/help", "share/zarnikfield/example", "bin/example"})
        std::filesystem::create_directories(dir / folder);
    EXPECT_EQ(FindBundledFolder(installed, "help"), dir / "bin/../share/zarnikfield/help/");
    EXPECT_EQ(FindBundledFolder(installed, "example"), dir / "bin/example/");
    EXPECT_EQ(FindBundledFolder(installed, "art"), dir / "bin/art/");
}

} // namespace
} // namespace zf
