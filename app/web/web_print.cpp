#include "web_print.h"

#include "scene_json.h"

#include "files/file_io.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zf::web {

namespace {

// The desktop lays its pages out in the pixels of its 600 dpi PDF pages;
// the sheets here take that layout to their own resolution.
constexpr int kLayoutDpi = 600;

// Logical units to the sheet's pixels; pictures land on whole pixels at
// whole sizes, as the page draws them one to one.
void Transform(Scene& scene, double scale, double dx, double dy) {
    auto x = [&](double v) { return dx + v * scale; };
    auto y = [&](double v) { return dy + v * scale; };
    for (SceneOp& op : scene.ops) {
        op.x = x(op.x);
        op.y = y(op.y);
        op.x2 = x(op.x2);
        op.y2 = y(op.y2);
        op.w *= scale;
        op.h *= scale;
        op.baseline = y(op.baseline);
        op.width *= scale;
        for (std::size_t i = 0; i + 1 < op.points.size(); i += 2) {
            op.points[i] = x(op.points[i]);
            op.points[i + 1] = y(op.points[i + 1]);
        }
        op.font.px = std::max(1, static_cast<int>(std::lround(op.font.px * scale)));
        if (op.kind == SceneOpKind::Image) {
            op.x = std::round(op.x);
            op.y = std::round(op.y);
            op.w = std::max(1.0, std::round(op.w));
            op.h = std::max(1.0, std::round(op.h));
        }
    }
}

// The paper as the desktop lays it out, and as this sheet shows it.
struct Sheet {
    Sheet(const PaperSize& size, int dpi)
        : layoutPaper(PaperAt(size, kLayoutDpi)), layout(MapPage(layoutPaper)),
          paper(PaperAt(size, dpi)), mapping(MapPage(paper)) {
        scale = layout.width > 0 ? static_cast<double>(mapping.deviceWidth) / layout.width : 0;
    }

    Scene Blank() const {
        Scene scene;
        scene.width = paper.width;
        scene.height = paper.height;
        scene.Fill(0, 0, paper.width, paper.height, 0xFFFFFF);
        return scene;
    }
    void ToSheet(Scene& scene) const { Transform(scene, scale, mapping.left, mapping.top); }

    PrinterPage layoutPaper;
    PageMapping layout;
    PrinterPage paper;
    PageMapping mapping;
    // Logical units to the sheet's pixels.
    double scale = 0;
};

std::vector<std::string> ListingPages(WebSession& s, const Sheet& sheet,
                                      const PrintRequest& request, TextMeasure& measure) {
    const ListingPrintMetrics metrics =
        ListingPrintMetricsFor(request.iconSize, sheet.layout.height);
    const GoEditor& editor = s.editor();
    const auto sheets =
        ListingSheets(editor.Head(GO_LIST), editor.Head(PROC_LIST), metrics.linesPerPage);
    FilePictureSizes pictures;
    const ListingLayout layout = PageListingLayout(s.tables(), s.state(), s.project().folder,
                                                   metrics.iconSize, measure, pictures);
    const GoInstruction* head = editor.Head(GO_LIST);
    const std::string name = head && head->opcode == op::GoProgramHeader
                                 ? FileNameOf(s.tables().names.Get(head->nameId))
                                 : std::string();
    const int count = static_cast<int>(sheets.size());
    std::vector<std::string> pages;
    for (int i = 0; i < count; ++i) {
        Scene body;
        for (const ListingPage& page : sheets[static_cast<std::size_t>(i)])
            AddListingPage(body, page, metrics, layout);
        sheet.ToSheet(body);
        Scene out = sheet.Blank();
        out.ops.insert(out.ops.end(), body.ops.begin(), body.ops.end());
        AddListingHeading(out, sheet.paper, sheet.mapping,
                          {name, request.date, PageWords(request.pageWords, i + 1, count)},
                          measure);
        pages.push_back(SceneJson(out));
    }
    return pages;
}

std::string Box(double x, double y, double w, double h) {
    auto n = [](double v) { return std::to_string(std::lround(v)); };
    return "{\"x\":" + n(x) + ",\"y\":" + n(y) + ",\"w\":" + n(w) + ",\"h\":" + n(h) + "}";
}

std::vector<std::string> WorkingAreaPages(WebSession& s, const Sheet& sheet, TextMeasure& measure) {
    const ZarnikState& state = s.state();
    const WorkingAreaPrint box = WorkingAreaPrintBox(state.floorWidth, state.floorHeight,
                                                     sheet.layout.width, sheet.layout.height);
    // Drawn at a fraction of the print scale and stretched, as the desktop
    // prints it, so that lines and texts keep their weight on paper.
    const int divisor = WorkingAreaPrintDivisor(kLayoutDpi);
    const int width = box.width / divisor;
    const int height = box.height / divisor;
    if (width < 1 || height < 1)
        return {};
    FilePictureSizes pictures;
    WorkingAreaScene scene{state, s.trail(), s.objects(), s.project().folder};
    const Scene floor = BuildFloorScene(
        scene, {0, 0, width, height}, static_cast<float>(box.zoom / divisor), {measure, pictures});
    Scene out = sheet.Blank();
    std::string json = SceneJson(out);
    json.insert(json.size() - 1, ",\"floor\":" + SceneJson(floor) + ",\"at\":" +
                                     Box(sheet.mapping.left + box.left * sheet.scale,
                                         sheet.mapping.top + box.top * sheet.scale,
                                         box.width * sheet.scale, box.height * sheet.scale));
    return {json};
}

TextExtent MeasureInPage(const std::string& fontJson, const std::string& text) {
    const emscripten::val answer = emscripten::val::module_property("measureText")(fontJson, text);
    return {answer[0].as<double>(), answer[1].as<double>(), answer[2].as<double>()};
}

std::string PrintPages(WebSession& s, int what, int paper, bool landscape, int dpi, int iconSize,
                       const std::string& date, const std::string& pageWords) {
    PrintRequest request;
    request.what = what == 1 ? PrintWhat::WorkingArea : PrintWhat::GoProgram;
    request.paper = paper == 1 ? Paper::Letter : Paper::A4;
    request.landscape = landscape;
    // Sheets of a sane size whatever is asked: a canvas holds only so much.
    request.dpi = std::clamp(dpi, 30, 300);
    request.iconSize = iconSize;
    request.date = date;
    request.pageWords = pageWords;
    CallbackTextMeasure measure(MeasureInPage);
    return PrintPagesJson(s, request, measure);
}

} // namespace

std::string PageWords(const std::string& words, int page, int pages) {
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool number =
            words[i] == '%' && i + 1 < words.size() && (words[i + 1] == '1' || words[i + 1] == '2');
        if (!number) {
            out += words[i];
            continue;
        }
        out += std::to_string(words[i + 1] == '1' ? page : pages);
        ++i;
    }
    return out;
}

std::string PrintPagesJson(WebSession& session, const PrintRequest& request, TextMeasure& measure) {
    const PaperSize size = PaperSizeOf(request.paper, request.landscape);
    const Sheet sheet(size, request.dpi);
    const std::vector<std::string> pages = request.what == PrintWhat::WorkingArea
                                               ? WorkingAreaPages(session, sheet, measure)
                                               : ListingPages(session, sheet, request, measure);
    auto mm = [](double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", v);
        return std::string(text);
    };
    std::string json = "{\"paper\":{\"width\":" + mm(size.widthMm) +
                       ",\"height\":" + mm(size.heightMm) +
                       "},\"dpi\":" + std::to_string(request.dpi) +
                       ",\"width\":" + std::to_string(sheet.paper.width) +
                       ",\"height\":" + std::to_string(sheet.paper.height) +
                       ",\"margin\":{\"x\":" + std::to_string(sheet.mapping.left) +
                       ",\"y\":" + std::to_string(sheet.mapping.top) + "},\"pages\":[";
    for (std::size_t i = 0; i < pages.size(); ++i)
        json += (i ? "," : "") + pages[i];
    return json + "]}";
}

template <typename Class>
void BindPrint(const Class& session) {
    session.function("printPages", &PrintPages);
}

template void BindPrint(const emscripten::class_<WebSession>& session);

} // namespace zf::web
