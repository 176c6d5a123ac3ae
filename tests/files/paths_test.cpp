#include "files/paths.h"

#include <gtest/gtest.h>

namespace zf {
namespace {

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

} // namespace
} // namespace zf
