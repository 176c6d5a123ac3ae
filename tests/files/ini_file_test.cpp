#include "files/ini_file.h"

#include <gtest/gtest.h>

namespace zf {
namespace {

const char* kSample = "; options\r\n"
                      "[Floor Size]\r\n"
                      "  X = 12 \r\n"
                      "y=abc\r\n"
                      "[zarnik pos]\r\n"
                      "x=0.5\r\n"
                      "bearing=-5\r\n"
                      "empty=\r\n"
                      "[paint package]\r\n"
                      "paint1=\"my paint\"\r\n"
                      "paint2\r\n"
                      "[floor size]\r\n"
                      "x=99\r\n";

TEST(ProfileFile, NamesIgnoreCaseAndSpacesAndNumbersReadAsTheProfileCallsReadThem) {
    IniFile ini = IniFile::Parse(kSample);
    EXPECT_EQ(std::tuple(ini.GetInt("floor size", "x", 10), ini.GetString("ZARNIK POS", "x", "0"),
                         ini.GetString("paint package", "paint1", "mspaint"),
                         ini.GetString("paint package", "paint2", "mspaint"),
                         ini.HasKey("options", "gobrowse"), ini.HasKey("zarnik pos", "empty")),
              std::tuple(12, "0.5", "my paint", "mspaint", false, true));
    // A value holding a bracket is no section.
    ini = IniFile::Parse("[lesson]\r\ntitle=Maze]\r\nlevel=2\r\n");
    EXPECT_EQ(ini.GetInt("lesson", "level", 0), 2);

    // Numbers read as the profile calls read them.
    ini = IniFile::Parse(kSample);
    // No digits, an empty value, a leading integer only, a missing key.
    EXPECT_EQ(std::tuple(ini.GetInt("zarnik pos", "bearing", 0), ini.GetInt("floor size", "y", 10),
                         ini.GetInt("zarnik pos", "empty", 7), ini.GetInt("zarnik pos", "x", 3),
                         ini.GetInt("zarnik pos", "missing", 42),
                         IniFile::Parse("[a]\nv=0x1F\n").GetInt("a", "v", 0),
                         IniFile::Parse("[a]\nv=99999999999\n").GetInt("a", "v", 0),
                         IniFile::Parse("[a]\nv=2147483647\n").GetInt("a", "v", 0)),
              std::tuple(-5, 0, 7, 0, 42, 31, 1215752191, 2147483647));

    // A value cannot add lines to the file; a new key follows its section's
    // last one, and bare line feeds are kept.
    IniFile bare = IniFile::Parse("[a]\nv=1\n");
    bare.SetString("a", "w", "2\r\n[x]\r\ny=1");
    EXPECT_EQ(bare.Text(), "[a]\nv=1\nw=2\n");
}

} // namespace
} // namespace zf
