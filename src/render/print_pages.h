#pragma once

#include "files/print_job.h"
#include "files/print_layout.h"
#include "files/print_scene.h"
#include "program/editor.h"
#include "render/listing_lines.h"
#include "render/working_area.h"

#include <QBuffer>
#include <QDate>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <functional>
#include <string>

namespace zf {

// A print job on a paged device (on the desktop, a printer): the document
// is the painter's time on the device. Whoever prints says what an abort
// check and a problem mean.
class PagedPrintDevice : public PrintDevice {
  public:
    explicit PagedPrintDevice(QPagedPaintDevice& device) : device_(device) {}

    QPainter& painter() { return painter_; }

    bool StartDocument() override;
    bool StartPage() override;
    bool EndPage() override;
    bool EndDocument() override;
    void AbandonDocument() override;
    bool Aborted() override { return aborted && aborted(); }
    int LastError() override { return lastError_; }
    void Problem(const std::string& caption, const std::string& text) override;

    std::function<bool()> aborted;
    std::function<void(const std::string& caption, const std::string& text)> problem;

  protected:
    int lastError_ = 0;

  private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    bool pageOpen_ = false;
};

// The PDF writer and the memory it writes to, made before the device that
// paints on them.
struct PdfPages {
    PdfPages();
    QBuffer buffer;
    QPdfWriter writer;
};

// A PDF file as the printer: the pages are made in memory and the file is
// written whole at the end, beside the target and then renamed over it, so
// a failed or cancelled job leaves any earlier file as it was.
class PdfPrintDevice : private PdfPages, public PagedPrintDevice {
  public:
    // A4 upright at 600 dpi unless a layout is given.
    explicit PdfPrintDevice(std::string path, const QPageLayout* layout = nullptr,
                            int resolution = 600);

    QPdfWriter& writer() { return PdfPages::writer; }

    // Refuses a file that cannot be written before any page is made.
    bool StartDocument() override;
    bool EndDocument() override;

  private:
    std::string path_;
};

// The whole paper of a device that prints to its very edge, as a PDF does.
PrinterPage WholePaper(const QPaintDevice& device);

// Logical 0..W x 0..H onto the page's mapped rectangle.
void SetPageMapping(QPainter& painter, const PageMapping& mapping);

// A printed listing page: the page's instructions from the top-left corner,
// one line every ten units, indented in picture widths.
void DrawListingPage(QPainter& painter, const ListingPage& page, const ListingPrintMetrics& metrics,
                     const ListingStyle& style);

// What heads every printed page of a Go Program, in the top margin: the
// program's name and the day it was printed; the foot says "Page n of N".
struct ListingHeading {
    std::string name;
    std::string date;
};
// The program's file name, without its folder, and the day as "7 December 2026".
ListingHeading HeadingFor(const GoEditor& editor, const QDate& day);
// The heading and the page number in the margins of the paper.
void DrawListingHeading(QPainter& painter, const PrinterPage& paper, const PageMapping& mapping,
                        const ListingHeading& heading, int page, int pages);

// The working area in its box, drawn at a fraction of the print scale and
// enlarged, so that lines and texts keep their weight.
void DrawWorkingAreaPage(QPainter& painter, const WorkingAreaPrint& box, int divisor,
                         WorkingAreaScene& scene);

// The two print commands on a device: the GO list then the PROC list, each
// from a new page unless both fit one, with pictures of the listing's own
// size as the measure and the heading on every page; and the working area
// on one page.
PrintOutcome PrintGoProgram(PagedPrintDevice& device, const PrinterPage& paper,
                            const GoEditor& editor, ListingStyle style,
                            const ListingHeading& heading);
PrintOutcome PrintWorkingArea(PagedPrintDevice& device, const PrinterPage& paper,
                              WorkingAreaScene& scene);

} // namespace zf
