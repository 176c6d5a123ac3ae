#include "files/print_layout.h"

#include <algorithm>
#include <cmath>

namespace zf {

PageMapping MapPage(const PrinterPage& page) {
    PageMapping m;
    m.width = page.width;
    m.height = page.height;
    const int marginX = std::max(page.offsetX, page.dpiX);
    const int marginY = std::max(page.offsetY, page.dpiY);
    const int availableWidth = page.width - 2 * marginX;
    const int availableHeight = page.height - 2 * marginY;
    if (availableWidth < 1 || availableHeight < 1)
        return m;
    const double scale = std::min(static_cast<double>(availableWidth) / page.width,
                                  static_cast<double>(availableHeight) / page.height);
    m.deviceWidth = std::min(availableWidth, static_cast<int>(std::lround(page.width * scale)));
    m.deviceHeight = std::min(availableHeight, static_cast<int>(std::lround(page.height * scale)));
    m.left = page.offsetX + marginX + (availableWidth - m.deviceWidth) / 2;
    m.top = page.offsetY + marginY + (availableHeight - m.deviceHeight) / 2;
    return m;
}

ListingPrintMetrics ListingPrintMetricsFor(int iconSize, int pageHeight) {
    ListingPrintMetrics m;
    m.linesPerPage = 55 - std::clamp(iconSize, 5, 50);
    m.unit = std::max(0, pageHeight / m.linesPerPage / 10);
    m.iconSize = 9 * m.unit;
    return m;
}

std::vector<ListingPage> ListingPages(const GoInstruction* head, int list, int linesPerPage) {
    std::vector<ListingPage> pages;
    if (linesPerPage < 1)
        return pages;
    long long lines = 0;
    for (const GoInstruction* in = head; in; in = in->next)
        lines += in->lineCount;
    // One walk serves every page: `at` is the next candidate, whose first
    // line is `atStart`; an instruction of no lines holds none.
    const GoInstruction* at = head;
    long long atStart = 1;
    auto holding = [&](long long line) {
        while (at && (at->lineCount == 0 || atStart + at->lineCount - 1 < line)) {
            atStart += at->lineCount;
            at = at->next;
        }
        return at;
    };
    for (long long s = 1; s <= lines; s += linesPerPage) {
        ListingPage page;
        page.list = list;
        page.first = holding(s);
        page.last = holding(std::min(s + linesPerPage - 1, lines));
        pages.push_back(page);
    }
    return pages;
}

namespace {

long long ListLines(const GoInstruction* head) {
    long long lines = 0;
    for (const GoInstruction* in = head; in; in = in->next)
        lines += in->lineCount;
    return lines;
}

} // namespace

std::vector<std::vector<ListingPage>>
ListingSheets(const GoInstruction* goHead, const GoInstruction* procHead, int linesPerPage) {
    std::vector<ListingPage> go = ListingPages(goHead, GO_LIST, linesPerPage);
    std::vector<ListingPage> proc = ListingPages(procHead, PROC_LIST, linesPerPage);
    const long long goLines = ListLines(goHead);
    if (go.size() == 1 && proc.size() == 1 && goLines + 1 + ListLines(procHead) <= linesPerPage) {
        proc[0].topLine = static_cast<int>(goLines + 1);
        return {{go[0], proc[0]}};
    }
    std::vector<std::vector<ListingPage>> sheets;
    for (const auto* pages : {&go, &proc})
        for (const ListingPage& page : *pages)
            sheets.push_back({page});
    return sheets;
}

WorkingAreaPrint WorkingAreaPrintBox(int floorWidth, int floorHeight, int pageWidth,
                                     int pageHeight) {
    WorkingAreaPrint box;
    if (floorWidth < 1 || floorHeight < 1 || pageWidth < 1 || pageHeight < 1)
        return box;
    box.zoom = std::min(pageWidth * 1000.0 / floorWidth, pageHeight * 1000.0 / floorHeight);
    // Millimetres times pixels per metre, divided rather than multiplied by
    // 0.001 so that a page-filling side comes out whole.
    box.width = std::min(pageWidth, static_cast<int>(box.zoom * floorWidth / 1000.0));
    box.height = std::min(pageHeight, static_cast<int>(box.zoom * floorHeight / 1000.0));
    box.left = (pageWidth - box.width) / 2;
    box.top = (pageHeight - box.height) / 2;
    return box;
}

int WorkingAreaPrintDivisor(int dpi) {
    return std::max(1, static_cast<int>(std::lround(dpi / 150.0)));
}

} // namespace zf
