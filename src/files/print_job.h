#pragma once

#include <functional>
#include <string>

namespace zf {

// The printer's side of a print job: a document of pages, the abort check
// that keeps the abort dialog alive, and the plain message boxes of
// printing problems.
class PrintDevice {
  public:
    virtual ~PrintDevice() = default;

    virtual bool StartDocument() = 0;
    virtual bool StartPage() = 0;
    virtual bool EndPage() = 0;
    virtual bool EndDocument() = 0;
    // Throws the document away: nothing of it is printed.
    virtual void AbandonDocument() = 0;
    // Lets waiting events through; true once printing has been cancelled.
    virtual bool Aborted() = 0;
    // The system's code for why the document could not be started.
    virtual int LastError() = 0;
    virtual void Problem(const std::string& caption, const std::string& text) = 0;
};

enum class PrintOutcome { NothingToPrint, Printed, Cancelled, Failed };

// How a failure to start the document is reported.
enum class StartFailure { Plain, WithErrorCode };

// Prints `pages` pages, drawing each with drawPage(i). Cancel takes effect
// before the next page; the pages already printed stay printed, unless
// there are none. A page that cannot be started or ended ends the job and
// throws the document away.
PrintOutcome PrintPages(PrintDevice& device, int pages, const std::function<void(int)>& drawPage,
                        StartFailure startFailure = StartFailure::Plain);

} // namespace zf
