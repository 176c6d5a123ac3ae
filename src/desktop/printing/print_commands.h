#pragma once

#include "files/print_job.h"

#include <QObject>
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

// Shows a printing problem in a message box over the abort dialog; tests
// put in one that records it.
class PrintProblems {
  public:
    virtual ~PrintProblems() = default;
    virtual void Show(const std::string& caption, const std::string& text, QWidget* over);
};

// File > Print Go Program and File > Print Working Area: the printer's
// dialog, then the job with the abort dialog up and the main window
// disabled. The printer chosen is kept for the next time.
class PrintCommands : public QObject {
    Q_OBJECT
  public:
    PrintCommands(QWidget& mainWindow, Document& document);
    ~PrintCommands() override;

    PrintOutcome PrintGoProgram();
    PrintOutcome PrintWorkingArea();

    QPrinter& printer() { return *printer_; }
    void SetProblems(PrintProblems& problems) { problems_ = &problems; }

  signals:
    // Each abort check while the abort dialog shows.
    void abortChecked(zf::ui::AbortDialog& dialog);

  private:
    using Job = std::function<PrintOutcome(PagedPrintDevice&, const PrinterPage&)>;
    // Cancelled when the printer's dialog is.
    PrintOutcome Print(const QString& pdfName, const Job& job);
    bool ChoosePrinter(const QString& pdfName);

    QWidget& mainWindow_;
    Document& doc_;
    std::unique_ptr<QPrinter> printer_;
    PrintProblems ownProblems_;
    PrintProblems* problems_ = &ownProblems_;
};

} // namespace zf::ui
