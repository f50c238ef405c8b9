#include "actions/PrintOut.h"

#include <vector>

#include "actions/PrintError.h"
#include "actions/PrintLayout.h"
#include "base/Blanks.h"
#include "base/ProductNames.h"

namespace kx {
namespace {

// Makes every printer named `name` current in turn, so the last one stays.
bool SelectPrinter(PrinterBackend& printer, const std::vector<std::string>& installed,
                   const std::string& name) {
  bool found = false;
  for (std::size_t i = 0; i < installed.size(); ++i) {
    if (installed[i] == name) {
      printer.SetCurrentPrinter(i);
      found = true;
    }
  }
  return found;
}

void RestorePrinter(PrinterBackend& printer, const std::vector<std::string>& installed,
                    const std::string& name) {
  for (std::size_t i = 0; i < installed.size(); ++i) {
    if (installed[i] == name) {
      printer.SetCurrentPrinter(i);
      return;
    }
  }
}

PrintOutcome PrintAndSend(PrinterBackend& printer, PrintErrorReporter& reporter,
                          const PrintPicture& picture, const PrintParameters& parameters,
                          const LocalTime& now) {
  if (!PrintPictureToFitPage(printer, picture, parameters, now, reporter)) {
    printer.KillDoc();
    return PrintOutcome::Failed;
  }
  try {
    printer.EndDoc();
  } catch (const PrintError&) {
    printer.KillDoc();
    return PrintOutcome::NotSent;
  }
  return PrintOutcome::Printed;
}

}  // namespace

PrintOutcome PrintSurface(PrinterBackend& printer, PrintErrorReporter& reporter,
                          const PrintPicture& picture, const PrintParameters& parameters,
                          const std::string& printerName, const LocalTime& now) {
  const std::vector<std::string> installed = printer.InstalledPrinters();
  const std::string previous = printer.CurrentPrinter();
  std::string wanted(TrimBlanks(printerName));
  if (wanted.empty()) wanted = previous;
  if (installed.empty() || wanted.empty()) return PrintOutcome::NoPrinter;

  const PrintOutcome outcome = SelectPrinter(printer, installed, wanted)
                                   ? PrintAndSend(printer, reporter, picture, parameters, now)
                                   : PrintOutcome::PrinterNotFound;
  RestorePrinter(printer, installed, previous);
  return outcome;
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
