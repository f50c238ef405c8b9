#include "actions/PrintOut.h"

#include <vector>

#include "actions/PrintError.h"
#include "actions/PrintLayout.h"
#include "base/Blanks.h"
#include "base/ProductNames.h"

namespace kx {
namespace {

// Makes the last installed printer named `name` current; false when none is.
bool SelectPrinter(PrinterBackend& printer, const std::vector<std::string>& installed,
                   const std::string& name) {
  for (std::size_t i = installed.size(); i-- > 0;) {
    if (installed[i] == name) {
      printer.SetCurrentPrinter(i);
      return true;
    }
  }
  return false;
}

PrintOutcome PrintAndSend(PrinterBackend& printer, PrintErrorReporter& reporter,
                          const PrintPicture& picture, const PrintParameters& parameters,
                          const LocalTime& now) {
  if (!PrintPictureToFitPage(printer, picture, parameters, now, reporter)) {
    printer.AbortJob();
    return PrintOutcome::Failed;
  }
  try {
    printer.EndJob();
  } catch (const PrintError&) {
    printer.AbortJob();
    return PrintOutcome::NotSent;
  }
  return PrintOutcome::Printed;
}

}  // namespace

PrintReport PrintSurface(PrinterBackend& printer, PrintErrorReporter& reporter,
                         const PrintPicture& picture, const PrintParameters& parameters,
                         const std::string& printerName, const LocalTime& now) {
  const std::vector<std::string> installed = printer.InstalledPrinters();
  PrintReport report{PrintOutcome::NoPrinter, std::string(TrimBlanks(printerName))};
  if (report.printer.empty()) report.printer = printer.CurrentPrinter();
  if (installed.empty() || report.printer.empty()) return report;
  report.outcome = SelectPrinter(printer, installed, report.printer)
                       ? PrintAndSend(printer, reporter, picture, parameters, now)
                       : PrintOutcome::PrinterNotFound;
  return report;
}

std::optional<MessageText> PrintOutcomeMessage(PrintOutcome outcome) {
  switch (outcome) {
    case PrintOutcome::NoPrinter:
      return MessageText{std::string(kErrorTitle), std::string(kNoPrinterText)};
    case PrintOutcome::NotSent:
      return MessageText{std::string(kErrorTitle), std::string(kJobNotSentText)};
    case PrintOutcome::Printed:
    case PrintOutcome::Failed:
    case PrintOutcome::PrinterNotFound:
      break;
  }
  return std::nullopt;
}

}  // namespace kx
