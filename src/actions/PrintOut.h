#pragma once
// A capture printed on one page of the chosen printer.

#include <optional>
#include <string>

#include "actions/PrintDate.h"
#include "actions/PrintErrorReporter.h"
#include "actions/PrintParameters.h"
#include "actions/PrinterBackend.h"
#include "base/MessageText.h"

namespace kx {

enum class PrintOutcome {
  Printed,          // the page was drawn and the job sent
  Failed,           // a step failed: logged, the print-error notice shown, job aborted
  PrinterNotFound,  // the named printer is not installed: nothing printed, nothing shown
  NoPrinter,        // no printer installed, or none current and none named
  NotSent,          // the page was drawn but the job could not be sent
};

// A print-out's outcome and the printer it went to (or was meant for).
struct PrintReport {
  PrintOutcome outcome = PrintOutcome::Printed;
  std::string printer;
};

// Chooses the printer named `printerName` (blanks around it removed; empty:
// the current one; of printers with the same name, the last), prints the
// picture on it with PrintPictureToFitPage and ends or aborts the job.
PrintReport PrintSurface(PrinterBackend& printer, PrintErrorReporter& reporter,
                         const PrintPicture& picture, const PrintParameters& parameters,
                         const std::string& printerName, const LocalTime& now);

// The error box for outcomes that nothing else has reported.
[[nodiscard]] std::optional<MessageText> PrintOutcomeMessage(PrintOutcome outcome);

}  // namespace kx
