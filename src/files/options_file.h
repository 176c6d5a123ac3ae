#pragma once

#include "files/ini_file.h"

namespace zf {

// The `tooltips` section of the options file.
struct TooltipOptions {
    bool show = true;
    int delay = 0; // ms
};

// Reads `show` (0 or 1, default 1) and `delay` (0..10000 ms, default 0). A
// bad `show` reads as 1 and "1" is written back; a bad `delay` reads as 1
// for this run and "0" is written back. Repairs go into `ini` and set
// `repaired`; a missing key is never written.
TooltipOptions ReadTooltipOptions(IniFile& ini, bool& repaired);

} // namespace zf
