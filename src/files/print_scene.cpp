#include "files/print_scene.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zf {

PaperSize PaperSizeOf(Paper paper, bool landscape) {
    PaperSize size = paper == Paper::Letter ? PaperSize{215.9, 279.4} : PaperSize{210, 297};
    if (landscape)
        std::swap(size.widthMm, size.heightMm);
    return size;
}

PrinterPage PaperAt(const PaperSize& size, int dpi) {
    auto pixels = [dpi](double mm) { return static_cast<int>(std::lround(mm * dpi / 25.4)); };
    return PrinterPage{0, 0, pixels(size.widthMm), pixels(size.heightMm), dpi, dpi};
}

void AddListingPage(Scene& out, const ListingPage& page, const ListingPrintMetrics& metrics,
                    const ListingLayout& layout) {
    int y = page.topLine * 10 * metrics.unit;
    if (page.topLine > 0) {
        const int rule = y - 5 * metrics.unit;
        out.Line(0, rule, metrics.iconSize * 20, rule, 0xA0A0A4, std::max(1, metrics.unit / 3));
    }
    for (const GoInstruction* in = page.first; in; in = in->next) {
        AddInstructionLine(out, *in, in->indent * metrics.iconSize, y, layout);
        y += in->lineCount * 10 * metrics.unit;
        if (in == page.last)
            break;
    }
}

void AddListingHeading(Scene& out, const PrinterPage& paper, const PageMapping& mapping,
                       const PageHeading& heading, TextMeasure& measure) {
    SceneFont font;
    font.family = "Arial";
    font.px = std::max(1, paper.dpiY / 6);
    const TextExtent line = measure.Measure(font, "", true);
    const int margin = mapping.top - paper.offsetY;
    const double top = mapping.top - margin / 2 - line.height;
    const double foot = mapping.top + mapping.deviceHeight + margin / 2;
    auto text = [&](const std::string& words, double y, int align) {
        if (words.empty())
            return;
        const double width = measure.Measure(font, words, true).width;
        double x = mapping.left;
        if (align > 0)
            x += mapping.deviceWidth - width;
        else if (align == 0)
            x += (mapping.deviceWidth - width) / 2;
        out.Text(x, y, y + line.ascent, words, font, 0x000000);
    };
    text(heading.name, top, -1);
    text(heading.date, top, 1);
    text(heading.number, foot, 0);
}

} // namespace zf
