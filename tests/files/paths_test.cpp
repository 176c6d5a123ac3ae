#include "files/paths.h"

#include "file_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zf {
namespace {

using test::TempFolder;

TEST(StoredPaths, TranslateToThisPlatformAndWildcardsMatchAsOnWindows) {
    EXPECT_EQ(std::tuple(ToNativePath("C:\\Projects\\Maze\\maze.zfp"),
                         ToNativePath("backgnds\\grass.bmp"), ToNativePath("d:relative\\x.bmp"),
                         ToNativePath("C:"), ToStoredPath("zarniks/zarndef.bmp")),
              std::tuple("/Projects/Maze/maze.zfp", "backgnds/grass.bmp", "relative/x.bmp", "",
                         "zarniks\\zarndef.bmp"));

    EXPECT_EQ(std::tuple(MatchesPattern("README", "*.*"), MatchesPattern("Grass.BMP", "*.bmp"),
                         MatchesPattern("grass.bmp.txt", "*.bmp"),
                         MatchesPattern("pen1.bmp", "pen?.bmp"),
                         MatchesPattern("pen12.bmp", "pen?.bmp"), MatchesPattern("abc", "*d*")),
              std::tuple(true, true, false, true, false, false));
}

// The exact name first, then one whose case differs; a missing tail as given.
TEST(CaseInsensitiveLookup, FindsEntriesWhoseCaseDiffers) {
    TempFolder dir;
    std::filesystem::create_directories(dir / "Backgnds");
    test::WriteBytesTo(dir / "Backgnds/Grass.BMP", {1});
    EXPECT_EQ(ResolvePath(ToStoredPath(dir.path()) + "\\BACKGNDS\\grass.bmp"),
              dir / "Backgnds/Grass.BMP");
    EXPECT_EQ(ResolvePath(""), "");
    EXPECT_EQ(std::tuple(ResolvePath(dir / "BACKGNDS/New Picture.bmp"),
                         ResolvePath(dir / "nowhere/x.bmp"),
                         DirectoryExists(ResolvePath(dir / "backgnds")),
                         DirectoryExists(dir / "Backgnds/Grass.BMP")),
              std::tuple(dir / "Backgnds/New Picture.bmp", dir / "nowhere/x.bmp", true, false));

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
