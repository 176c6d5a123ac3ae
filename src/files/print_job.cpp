#include "files/print_job.h"

#include "program/texts.h"
#include "program/unnumbered_texts.h"

namespace zf {

namespace {

PrintOutcome Fail(PrintDevice& device, const std::string& text) {
    if (!device.Aborted())
        device.Problem(Translated(unnumbered::kPrintingProblemCaption), text);
    device.AbandonDocument();
    return PrintOutcome::Failed;
}

} // namespace

PrintOutcome PrintPages(PrintDevice& device, int pages, const std::function<void(int)>& drawPage,
                        StartFailure startFailure) {
    if (pages < 1)
        return PrintOutcome::NothingToPrint;
    if (!device.StartDocument()) {
        device.Problem(std::string(TextOf(TextId::ProductName)),
                       startFailure == StartFailure::WithErrorCode
                           ? FormatText(Translated(unnumbered::kCannotStartPrintingCode),
                                        {static_cast<long long>(device.LastError())})
                           : std::string(Translated(unnumbered::kCannotStartPrinting)));
        return PrintOutcome::Failed;
    }
    int printed = 0;
    for (; printed < pages && !device.Aborted(); ++printed) {
        if (!device.StartPage())
            return Fail(device, Translated(unnumbered::kCannotPrintPage));
        drawPage(printed);
        if (!device.EndPage())
            return Fail(device, Translated(unnumbered::kCannotEndPage));
    }
    if (printed == 0) {
        device.AbandonDocument();
        return PrintOutcome::Cancelled;
    }
    if (!device.EndDocument()) {
        if (!device.Aborted())
            device.Problem(Translated(unnumbered::kPrintingProblemCaption),
                           Translated(unnumbered::kCannotEndPrinting));
        return PrintOutcome::Failed;
    }
    return printed < pages ? PrintOutcome::Cancelled : PrintOutcome::Printed;
}

} // namespace zf
