#pragma once

#include "files/print_job.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

class QPrinter;
class QWidget;

namespace zf {
class PagedPrintDevice;
struct PrinterPage;
} // namespace zf

namespace zf::ui {

class AbortDialog;
class Document;

// Stand-ins for tests: told at each abort check while the abort dialog
// shows, and shown the printing problems instead of a message box.
struct PrintHooks {
    std::function<void(AbortDialog& dialog)> abortCheck;
    std::function<void(const std::string& caption, const std::string& text)> problem;
};

// File > Print Go Program and File > Print Working Area: the printer's
// dialog, then the job with the abort dialog up and the main window
// disabled. The printer chosen is kept for the next time.
class PrintCommands {
  public:
    PrintCommands(QWidget& mainWindow, Document& document);
    ~PrintCommands();

    PrintOutcome PrintGoProgram();
    PrintOutcome PrintWorkingArea();

    QPrinter& printer() { return *printer_; }
    PrintHooks hooks;

  private:
    using Job = std::function<PrintOutcome(PagedPrintDevice&, const PrinterPage&)>;
    // Cancelled when the printer's dialog is.
    PrintOutcome Print(const QString& pdfName, const Job& job);
    bool ChoosePrinter(const QString& pdfName);

    QWidget& mainWindow_;
    Document& doc_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace zf::ui
