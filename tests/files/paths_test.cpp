#include "files/paths.h"

#include "file_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zf {
namespace {

using test::TempFolder;

TEST(StoredPaths, TranslateToThisPlatform) {
    EXPECT_EQ(ToNativePath("C:\\Projects\\Maze\\maze.zfp"), "/Projects/Maze/maze.zfp");
    EXPECT_EQ(ToNativePath("backgnds\\grass.bmp"), "backgnds/grass.bmp");
    EXPECT_EQ(ToNativePath("d:relative\\x.bmp"), "relative/x.bmp");
    EXPECT_EQ(ToNativePath("C:"), "");
    EXPECT_EQ(ToStoredPath("zarniks/zarndef.bmp"), "zarniks\\zarndef.bmp");
}

TEST(StoredPaths, WildcardsMatchAsOnWindows) {
    EXPECT_TRUE(MatchesPattern("README", "*.*"));
    EXPECT_TRUE(MatchesPattern("Grass.BMP", "*.bmp"));
    EXPECT_FALSE(MatchesPattern("grass.bmp.txt", "*.bmp"));
    EXPECT_TRUE(MatchesPattern("pen1.bmp", "pen?.bmp"));
    EXPECT_FALSE(MatchesPattern("pen12.bmp", "pen?.bmp"));
    EXPECT_FALSE(MatchesPattern("abc", "*d*"));
}

// The exact name first, then one whose case differs; a missing tail as given.
TEST(CaseInsensitiveLookup, FindsEntriesWhoseCaseDiffers) {
    TempFolder dir;
    std::filesystem::create_directories(dir / "Backgnds");
    test::WriteBytesTo(dir / "Backgnds/Grass.BMP", {1});
    EXPECT_EQ(ResolvePath(ToStoredPath(dir.path()) + "\\BACKGNDS\\grass.bmp"),
              dir / "Backgnds/Grass.BMP");
    EXPECT_EQ(ResolvePath(dir / "BACKGNDS/New Picture.bmp"), dir / "Backgnds/New Picture.bmp");
    EXPECT_EQ(ResolvePath(dir / "nowhere/x.bmp"), dir / "nowhere/x.bmp");
    EXPECT_TRUE(DirectoryExists(ResolvePath(dir / "backgnds")));
    EXPECT_FALSE(DirectoryExists(dir / "Backgnds/Grass.BMP"));

    // A relative path is looked up from the working directory.
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const std::string relative = ResolvePath("BACKGNDS/GRASS.bmp");
    std::filesystem::current_path(started);
    EXPECT_EQ(relative, "Backgnds/Grass.BMP");

    test::WriteBytesTo(dir / "Backgnds/grass.bmp", {2});
    EXPECT_EQ(ResolvePath(dir / "Backgnds/grass.bmp"), dir / "Backgnds/grass.bmp");
    EXPECT_EQ(ResolvePath(dir / "backgnds/GRASS.bmp"), dir / "Backgnds/Grass.BMP");
}

} // namespace
} // namespace zf
