#include "files/options_file.h"

#include <gtest/gtest.h>

namespace zf {
namespace {

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
        EXPECT_EQ(options.show, c.show);
        EXPECT_EQ(options.delay, c.delay);
        EXPECT_EQ(repaired, c.repaired);
        const std::string written =
            ini.GetString("tooltips", "show", "") + "|" + ini.GetString("tooltips", "delay", "");
        EXPECT_EQ(written, *c.written ? c.written : "|");
    }
}

} // namespace
} // namespace zf
