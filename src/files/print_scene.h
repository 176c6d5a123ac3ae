#pragma once

#include "files/listing_scene.h"
#include "files/print_layout.h"
#include "program/scene.h"

#include <string>

namespace zf {

// The papers a print dialog offers, in millimetres as they lie.
enum class Paper { A4, Letter };
struct PaperSize {
    double widthMm = 0;
    double heightMm = 0;
};
PaperSize PaperSizeOf(Paper paper, bool landscape);

// A whole paper at a resolution, printable to its very edge as a PDF is.
PrinterPage PaperAt(const PaperSize& size, int dpi);

// A printed listing page in the page's logical units: the page's
// instructions from the top-left corner, one line every ten units, indented
// in picture widths; procedures under the GO list on the same sheet are set
// apart by a rule in the line between.
void AddListingPage(Scene& out, const ListingPage& page, const ListingPrintMetrics& metrics,
                    const ListingLayout& layout);

// What heads a printed Go Program page: its name on the left and the day on
// the right in the top margin, the page's number centred in the bottom one.
struct PageHeading {
    std::string name;
    std::string date;
    std::string number;
};
// In the paper's own pixels: the margins lie outside the page mapping.
void AddListingHeading(Scene& out, const PrinterPage& paper, const PageMapping& mapping,
                       const PageHeading& heading, TextMeasure& measure);

} // namespace zf
