#pragma once

#include "program/instruction.h"

#include <vector>

namespace zf {

// What a printer tells of its paper, in device pixels: where the printable
// area starts from the paper's corner, its size, and the resolution.
struct PrinterPage {
    int offsetX = 0;
    int offsetY = 0;
    int width = 0;
    int height = 0;
    int dpiX = 0;
    int dpiY = 0;
};

// Pages are drawn in logical units 0..width x 0..height; they land on the
// paper in the rectangle from (left, top), measured from the paper's corner.
struct PageMapping {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    int deviceWidth = 0;
    int deviceHeight = 0;
};

// The printable area less a margin of at least an inch each side. One scale
// serves both directions, so that squares stay square; the drawing is
// centred in what the margins leave.
PageMapping MapPage(const PrinterPage& page);

// A printed listing: lines per page 55 - iconSize, a unit of a tenth of a
// line, key pictures nine units square.
struct ListingPrintMetrics {
    int linesPerPage = 0;
    int unit = 0;
    int iconSize = 0;
};
ListingPrintMetrics ListingPrintMetricsFor(int iconSize, int pageHeight);

// One printed page of a list: the instructions from `first` to `last`,
// from the page's line `topLine` (0 for the top).
struct ListingPage {
    int list = GO_LIST;
    const GoInstruction* first = nullptr;
    const GoInstruction* last = nullptr;
    int topLine = 0;
};

// A list's pages: page by page from lines 1, 1 + P, 1 + 2P, ..., the
// instructions holding the page's first to its last line. An empty list
// has none.
std::vector<ListingPage> ListingPages(const GoInstruction* head, int list, int linesPerPage);

// The sheets of a Go Program: the GO list's pages, then the PROC list's
// from a new sheet; but when both lists fit one sheet with a line between
// them, that one sheet holds both.
std::vector<std::vector<ListingPage>>
ListingSheets(const GoInstruction* goHead, const GoInstruction* procHead, int linesPerPage);

// The working area on a page: the scale (pixels per metre) that fits it,
// its printed size, and its top-left corner when centred.
struct WorkingAreaPrint {
    double zoom = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
WorkingAreaPrint WorkingAreaPrintBox(int floorWidth, int floorHeight, int pageWidth,
                                     int pageHeight);

// Lines and texts of the working area are drawn at this fraction of the
// print scale, so that they weigh on paper what they weigh at 150 dpi
// whatever the printer's resolution; the drawing itself stays sharp.
int WorkingAreaPrintDivisor(int dpi);

} // namespace zf
