#pragma once

// The printed pages of the Go Program and of the working area, laid out by
// the core as the desktop prints them, as display lists of whole sheets.

#include "files/print_scene.h"
#include "web_session.h"

#include <string>

namespace zf::web {

enum class PrintWhat { GoProgram = 0, WorkingArea = 1 };

struct PrintRequest {
    PrintWhat what = PrintWhat::GoProgram;
    Paper paper = Paper::A4;
    bool landscape = false;
    // The sheets' pixels per inch.
    int dpi = 150;
    // The listing size the pages are measured by (5 to 50).
    int iconSize = 30;
    // What heads each page of a listing; "%1" and "%2" in pageWords become
    // the page's number and the number of pages.
    std::string date;
    std::string pageWords;
};

// {"paper":{"width","height"} in mm, "dpi", "width", "height", "margin":
// {"x","y"} in pixels, "pages": [display list]}. A working area's page
// carries its picture as "floor", a display list of its own to be
// stretched over "at" {x, y, w, h}. No pages when there is nothing to print.
std::string PrintPagesJson(WebSession& session, const PrintRequest& request, TextMeasure& measure);

// "%1" and "%2" filled with the page's number and the number of pages.
std::string PageWords(const std::string& words, int page, int pages);

template <typename Class>
void BindPrint(const Class& session);

} // namespace zf::web
