#include "desktop/printing/print_commands.h"

#include "desktop/frame/document.h"
#include "desktop/frame/translated_texts.h"
#include "desktop/printing/abort_dialog.h"
#include "files/file_io.h"
#include "files/lesson_folder.h"
#include "files/project_folder.h"
#include "program/string_table.h"
#include "program/texts.h"
#include "render/print_pages.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace zf::ui {

namespace {

// A printer as the job's device: a printer in error fails the page, and
// throwing the document away cancels the printer's job.
class PrinterPrintDevice : public PagedPrintDevice {
  public:
    explicit PrinterPrintDevice(QPrinter& printer) : PagedPrintDevice(printer), printer_(printer) {}

    bool EndPage() override {
        return PagedPrintDevice::EndPage() && printer_.printerState() != QPrinter::Error;
    }

    void AbandonDocument() override {
        printer_.abort();
        PagedPrintDevice::AbandonDocument();
    }

  private:
    QPrinter& printer_;
};

// The printer paints from the paper's corner; what it cannot reach at the
// edges is the printable area's offset.
PrinterPage PrinterPaper(const QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QMarginsF edges = layout.minimumMargins();
    const double pixelsPerPoint = printer.resolution() / 72.0;
    auto pixels = [&](double points) {
        return static_cast<int>(std::lround(points * pixelsPerPoint));
    };
    PrinterPage page;
    page.offsetX = pixels(edges.left());
    page.offsetY = pixels(edges.top());
    page.width = printer.width() - page.offsetX - pixels(edges.right());
    page.height = printer.height() - page.offsetY - pixels(edges.bottom());
    page.dpiX = printer.logicalDpiX();
    page.dpiY = printer.logicalDpiY();
    return page;
}

// A file name with its extension replaced by ".pdf".
QString PdfNameFor(const std::string& name, const char* fallback) {
    const QString file = QFileInfo(QString::fromStdString(FileNameOf(name))).completeBaseName();
    return (file.isEmpty() ? QString::fromLatin1(fallback) : file) + ".pdf";
}

// Re-enables the main window however the job ends.
class DisabledWhile {
  public:
    explicit DisabledWhile(QWidget& widget) : widget_(widget) { widget_.setEnabled(false); }
    ~DisabledWhile() { widget_.setEnabled(true); }
    DisabledWhile(const DisabledWhile&) = delete;
    DisabledWhile& operator=(const DisabledWhile&) = delete;

  private:
    QWidget& widget_;
};

} // namespace

void PrintProblems::Show(const std::string& caption, const std::string& text, QWidget* over) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok, over);
    box.exec();
}

PrintCommands::PrintCommands(QWidget& mainWindow, Document& document)
    : mainWindow_(mainWindow), doc_(document),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    printer_->setDocName(TranslatedText(TextId::PrintDocumentName));
    // Pages are mapped from the paper's corner with margins of their own.
    printer_->setFullPage(true);
}

PrintCommands::~PrintCommands() = default;

bool PrintCommands::ChoosePrinter(const QString& pdfName) {
    printer_->setCopyCount(1);
    printer_->setPrintRange(QPrinter::AllPages);
    // With no printer to choose, the dialog offers a PDF file: suggest one
    // where saving goes, named after what is printed.
    if (QPrinterInfo::availablePrinterNames().isEmpty() ||
        printer_->outputFormat() == QPrinter::PdfFormat)
        printer_->setOutputFileName(
            QDir(QString::fromStdString(SaveDialogFolder(doc_.project))).filePath(pdfName));
    QPrintDialog dialog(printer_.get(), &mainWindow_);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    return dialog.exec() == QDialog::Accepted;
}

PrintOutcome PrintCommands::Print(const QString& pdfName, const Job& job) {
    if (!ChoosePrinter(pdfName))
        return PrintOutcome::Cancelled;
    std::unique_ptr<PagedPrintDevice> device;
    PrinterPage paper;
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        const QPageLayout layout = printer_->pageLayout();
        auto pdf =
            std::make_unique<PdfPrintDevice>(printer_->outputFileName().toStdString(), &layout);
        paper = WholePaper(pdf->writer());
        device = std::move(pdf);
    } else {
        paper = PrinterPaper(*printer_);
        device = std::make_unique<PrinterPrintDevice>(*printer_);
    }

    AbortDialog dialog;
    DisabledWhile disabled(mainWindow_);
    dialog.show();
    device->aborted = [&] {
        QApplication::processEvents();
        emit abortChecked(dialog);
        return dialog.aborted();
    };
    device->problem = [&](const std::string& caption, const std::string& text) {
        problems_->Show(caption, text, &dialog);
    };
    return job(*device, paper);
}

PrintOutcome PrintCommands::PrintGoProgram() {
    const GoInstruction* head = doc_.editor->Head(GO_LIST);
    const std::string name =
        head && head->opcode == op::GoProgramHeader ? doc_.tables.names.Get(head->nameId) : "";
    return Print(PdfNameFor(name, "Go Program"),
                 [this](PagedPrintDevice& device, const PrinterPage& paper) {
                     ListingStyle style{doc_.tables};
                     style.iconSize = doc_.options.IconSize();
                     style.floor = {doc_.state.floorWidth, doc_.state.floorHeight};
                     style.folder = doc_.project.folder;
                     return zf::PrintGoProgram(device, paper, *doc_.editor, style,
                                               HeadingFor(*doc_.editor, QDate::currentDate()));
                 });
}

PrintOutcome PrintCommands::PrintWorkingArea() {
    return Print(
        PdfNameFor(doc_.project.fileName, "Working Area"),
        [this](PagedPrintDevice& device, const PrinterPage& paper) {
            WorkingAreaScene scene{doc_.state, doc_.trail, doc_.objects, doc_.project.folder};
            return zf::PrintWorkingArea(device, paper, scene);
        });
}

} // namespace zf::ui
