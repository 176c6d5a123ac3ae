#include "render/print_pages.h"

#include "files/file_io.h"
#include "program/string_table.h"
#include "program/texts.h"
#include "render/picture_cache.h"
#include "render/scene_painter.h"

#include <QCoreApplication>
#include <QLocale>

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

namespace zf {

namespace {

// Whether a file can be written at the path: its folder takes new files and
// an existing file is writable. Otherwise the system's reason.
bool WritableFilePath(const std::string& path, int& error) {
    const std::filesystem::path target(path);
    std::error_code ignored;
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    error = 0;
    if (path.empty())
        error = ENOENT;
    else if (std::filesystem::is_directory(target, ignored))
        error = EISDIR;
    else if (access(folder.c_str(), W_OK | X_OK) != 0)
        error = errno;
    else if (access(target.c_str(), F_OK) == 0 && access(target.c_str(), W_OK) != 0)
        error = errno;
    return error == 0;
}

} // namespace

bool PagedPrintDevice::StartDocument() {
    errno = 0;
    const bool started = painter_.begin(&device_);
    lastError_ = started ? 0 : errno;
    // Pictures keep their own pixels: no lossy compression on paper.
    painter_.setRenderHint(QPainter::LosslessImageRendering);
    pageOpen_ = false;
    return started;
}

bool PagedPrintDevice::StartPage() {
    // Beginning to paint opened the first page.
    if (!pageOpen_) {
        pageOpen_ = true;
        return painter_.isActive();
    }
    return device_.newPage();
}

bool PagedPrintDevice::EndPage() {
    return painter_.isActive();
}

bool PagedPrintDevice::EndDocument() {
    return painter_.end();
}

void PagedPrintDevice::AbandonDocument() {
    if (painter_.isActive())
        painter_.end();
}

void PagedPrintDevice::Problem(const std::string& caption, const std::string& text) {
    if (problem)
        problem(caption, text);
}

PdfPages::PdfPages() : writer(&buffer) {
    buffer.open(QIODevice::WriteOnly);
}

PdfPrintDevice::PdfPrintDevice(std::string path, const QPageLayout* layout, int resolution)
    : PagedPrintDevice(PdfPages::writer), path_(std::move(path)) {
    QPdfWriter& pdf = PdfPages::writer;
    pdf.setResolution(resolution);
    if (layout) {
        pdf.setPageLayout(*layout);
    } else {
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
    }
    // Pages are mapped from the paper's edge; the margins are the mapping's.
    pdf.setPageMargins(QMarginsF());
    const QString name =
        QCoreApplication::translate("Messages", TextOf(TextId::PrintDocumentName).data());
    pdf.setTitle(name);
    pdf.setCreator(name);
}

bool PdfPrintDevice::StartDocument() {
    if (!WritableFilePath(path_, lastError_))
        return false;
    return PagedPrintDevice::StartDocument();
}

bool PdfPrintDevice::EndDocument() {
    if (!PagedPrintDevice::EndDocument())
        return false;
    const QByteArray& bytes = buffer.data();
    return WriteFileAtomically(path_,
                               std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                         static_cast<std::size_t>(bytes.size())));
}

PrinterPage WholePaper(const QPaintDevice& device) {
    return PrinterPage{
        0, 0, device.width(), device.height(), device.logicalDpiX(), device.logicalDpiY()};
}

void SetPageMapping(QPainter& painter, const PageMapping& mapping) {
    painter.resetTransform();
    painter.setWindow(0, 0, mapping.width, mapping.height);
    painter.setViewport(mapping.left, mapping.top, mapping.deviceWidth, mapping.deviceHeight);
}

void DrawListingPage(QPainter& painter, const ListingPage& page, const ListingPrintMetrics& metrics,
                     const ListingStyle& style) {
    // A listing page is drawn on its own: its pictures are looked at anew.
    ProjectPictures().NewPaint();
    Scene scene;
    AddListingPage(scene, page, metrics, LayoutOf(style));
    PaintScene(painter, scene);
}

void DrawWorkingAreaPage(QPainter& painter, const WorkingAreaPrint& box, int divisor,
                         WorkingAreaScene& scene) {
    const int width = box.width / divisor;
    const int height = box.height / divisor;
    if (width < 1 || height < 1)
        return;
    painter.save();
    painter.translate(box.left, box.top);
    painter.scale(static_cast<double>(box.width) / width, static_cast<double>(box.height) / height);
    painter.setClipRect(0, 0, width, height);
    RenderWorkingArea(painter, QRect(0, 0, width, height), static_cast<float>(box.zoom / divisor),
                      scene);
    painter.restore();
}

ListingHeading HeadingFor(const GoEditor& editor, const QDate& day) {
    ListingHeading heading;
    const GoInstruction* head = editor.Head(GO_LIST);
    if (head && head->opcode == op::GoProgramHeader)
        heading.name = FileNameOf(editor.tables().names.Get(head->nameId));
    // The month in the program's language.
    heading.date = QLocale().toString(day, "d MMMM yyyy").toStdString();
    return heading;
}

void DrawListingHeading(QPainter& painter, const PrinterPage& paper, const PageMapping& mapping,
                        const ListingHeading& heading, int page, int pages) {
    const QString number =
        QCoreApplication::translate("Printing", "Page %1 of %2").arg(page).arg(pages);
    const PageHeading words{heading.name, heading.date, number.toStdString()};
    Scene scene;
    AddListingHeading(scene, paper, mapping, words, ScreenTextMeasure());
    painter.save();
    painter.setViewTransformEnabled(false);
    PaintScene(painter, scene);
    painter.restore();
}

PrintOutcome PrintGoProgram(PagedPrintDevice& device, const PrinterPage& paper,
                            const GoEditor& editor, ListingStyle style,
                            const ListingHeading& heading) {
    const PageMapping mapping = MapPage(paper);
    const ListingPrintMetrics metrics = ListingPrintMetricsFor(style.iconSize, mapping.height);
    const std::vector<std::vector<ListingPage>> sheets =
        ListingSheets(editor.Head(GO_LIST), editor.Head(PROC_LIST), metrics.linesPerPage);
    style.iconSize = metrics.iconSize;
    style.background = Qt::white;
    style.text = Qt::black;
    const int count = static_cast<int>(sheets.size());
    return PrintPages(device, count, [&](int i) {
        QPainter& painter = device.painter();
        SetPageMapping(painter, mapping);
        for (const ListingPage& page : sheets[static_cast<std::size_t>(i)])
            DrawListingPage(painter, page, metrics, style);
        DrawListingHeading(painter, paper, mapping, heading, i + 1, count);
    });
}

PrintOutcome PrintWorkingArea(PagedPrintDevice& device, const PrinterPage& paper,
                              WorkingAreaScene& scene) {
    const PageMapping mapping = MapPage(paper);
    const WorkingAreaPrint box = WorkingAreaPrintBox(
        scene.state.floorWidth, scene.state.floorHeight, mapping.width, mapping.height);
    const int divisor = WorkingAreaPrintDivisor(paper.dpiY);
    return PrintPages(
        device, 1,
        [&](int) {
            SetPageMapping(device.painter(), mapping);
            DrawWorkingAreaPage(device.painter(), box, divisor, scene);
        },
        StartFailure::WithErrorCode);
}

} // namespace zf
