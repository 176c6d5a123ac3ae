#include "files/options_file.h"

namespace zf {

TooltipOptions ReadTooltipOptions(IniFile& ini, bool& repaired) {
    TooltipOptions options;
    const long show = ini.GetInt("tooltips", "show", 1);
    if (show != 0 && show != 1) {
        ini.SetString("tooltips", "show", "1");
        repaired = true;
    }
    options.show = show != 0;
    const long delay = ini.GetInt("tooltips", "delay", 0);
    if (delay < 0 || delay > 10000) {
        ini.SetString("tooltips", "delay", "0");
        repaired = true;
        options.delay = 1;
    } else {
        options.delay = static_cast<int>(delay);
    }
    return options;
}

} // namespace zf
