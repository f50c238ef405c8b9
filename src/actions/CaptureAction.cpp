#include "actions/CaptureAction.h"

#include "actions/SerialNumbers.h"
#include "base/KeyBusy.h"
#include "base/Paths.h"
#include "base/ProductNames.h"

namespace kx {
namespace {

// The colour count of a reduction, or 0 for none.
std::int16_t ReductionColors(ColorReduction colors) {
  switch (colors) {
    case ColorReduction::To256Too:
    case ColorReduction::To256:
      return 256;
    case ColorReduction::To16:
      return 16;
    case ColorReduction::To2:
      return 2;
    default:
      return 0;
  }
}

std::string Joined(std::string_view text, std::string_view subject) {
  return std::string(text).append(": ").append(subject);
}

// The picture goes to the clipboard once it has reached its file or page,
// before anyone is told.
void CopyToClipboardIfAsked(const CaptureSettings& settings, ActionServices& services) {
  if (settings.clipboard) services.CopySurfaceToClipboard();
}

ActionResult SaveNumbered(const CaptureSettings& settings, ActionServices& services) {
  if (!services.DirectoryExists(settings.saveFolder)) {
    ActionResult result = Report(services, ActionOutcome::FolderMissing,
                                 Joined(kFolderMissingText, settings.saveFolder));
    services.ShowSaveAbortedNotice();
    return result;
  }
  const std::optional<std::int32_t> highest = HighestSerial(settings.serialDigits);
  if (!highest) {
    ActionResult result =
        Report(services, ActionOutcome::NoFreeNumber, std::string(kTooManyDigitsText));
    services.ShowErrorBox(std::string(kTooManyDigitsText));
    return result;
  }

  const std::string extension(NumberedExtension(settings));
  // Every number has the same digits, so the first name stands for all.
  if (!FitsSaveNameLimit(NumberedFileName(settings.saveFolder, settings.filePrefix, 1,
                                          settings.serialDigits, extension))) {
    const std::string text = Joined(kFolderTooLongText, settings.saveFolder);
    ActionResult result = Report(services, ActionOutcome::SaveFailed, text);
    services.ShowErrorBox(std::string(kFolderTooLongText) + "\r\n" + settings.saveFolder);
    return result;
  }
  for (std::int32_t serial = 1; serial <= *highest; ++serial) {
    const std::string fileName = NumberedFileName(settings.saveFolder, settings.filePrefix, serial,
                                                  settings.serialDigits, extension);
    if (services.PlainFileExists(fileName)) continue;
    const SaveResult saved = SavesPng(settings)
                                 ? services.SaveSurfacePng(fileName, SaveMode::CreateNew)
                                 : services.SaveSurfaceBmp(fileName, SaveMode::CreateNew);
    switch (saved) {
      case SaveResult::Saved: {
        CopyToClipboardIfAsked(settings, services);
        ActionResult result = Report(services, ActionOutcome::Done, fileName);
        services.ShowResultNotice(std::string(kSavedText));
        return result;
      }
      case SaveResult::NameTaken:  // appeared since the test: take the next
        continue;
      case SaveResult::Failed: {
        ActionResult result =
            Report(services, ActionOutcome::SaveFailed, Joined(kSaveFailedText, fileName));
        services.ShowErrorBox(std::string(kSaveFailedTriedText) + "\r\n" + fileName);
        services.ShowErrorBox(std::string(kSaveFailedText));
        return result;
      }
    }
  }
  ActionResult result =
      Report(services, ActionOutcome::NoFreeNumber, Joined(kNoFreeNumberText, settings.saveFolder));
  services.ShowErrorBox(std::string(kSaveFailedText));
  return result;
}

ActionResult Save(const CaptureSettings& settings, const std::string& programDir,
                  ActionServices& services) {
  if (const std::int16_t colors = ReductionColors(settings.colors); colors != 0) {
    services.ReduceSurfaceColors(colors);
  }
  if (!settings.toStoreFile) return SaveNumbered(settings, services);

  const std::string storeFile = JoinPath(programDir, kStoreFileName);
  if (services.SaveSurfaceBmp(storeFile, SaveMode::ReplaceExisting) == SaveResult::Saved) {
    CopyToClipboardIfAsked(settings, services);
    ActionResult result = Report(services, ActionOutcome::Done, storeFile);
    services.ShowResultNotice(std::string(kStoredText));
    return result;
  }
  ActionResult result =
      Report(services, ActionOutcome::SaveFailed, Joined(kStoreFailedText, storeFile));
  services.ShowErrorBox(std::string(kStoreFailedText));
  return result;
}

ActionResult Print(CaptureSettings& settings, ActionServices& services) {
  if (settings.printPercent < 1 || settings.printPercent > 100) {
    settings.printPercent = 100;
  }
  const PrintReport report = services.PrintSurface(settings);
  switch (report.outcome) {
    case PrintOutcome::Printed: {
      CopyToClipboardIfAsked(settings, services);
      ActionResult result = Report(services, ActionOutcome::Done, report.printer);
      services.ShowResultNotice(std::string(kPrintedText));
      return result;
    }
    case PrintOutcome::Failed:  // the print-out has shown its notice
      return Report(services, ActionOutcome::PrintFailed, Joined(kPrintFailedText, report.printer));
    case PrintOutcome::PrinterNotFound:  // nothing is shown for it
      return Report(services, ActionOutcome::PrintFailed,
                    Joined(kPrinterNotFoundText, report.printer));
    case PrintOutcome::NoPrinter:
    case PrintOutcome::NotSent:
      break;
  }
  const std::string text = PrintOutcomeMessage(report.outcome).value_or(MessageText{}).text;
  ActionResult result = Report(services, ActionOutcome::PrintFailed,
                               report.printer.empty() ? text : Joined(text, report.printer));
  services.ShowErrorBox(text);
  return result;
}

ActionResult TakeAndDeliver(bool save, const PictureStep& takePicture, CaptureSettings& settings,
                            const std::string& programDir, ActionServices& services) {
  try {
    if (std::optional<ActionResult> ended = takePicture()) return std::move(*ended);
    if (settings.invert) services.InvertSurface();
    return save ? Save(settings, programDir, services) : Print(settings, services);
  } catch (const ActionError& error) {
    ActionResult result = Report(services, ActionOutcome::OtherError, error.what());
    services.ShowErrorBox(error.what());
    return result;
  } catch (const std::exception&) {
    ActionResult result =
        Report(services, ActionOutcome::OtherError, std::string(kUnexpectedErrorText));
    services.ShowErrorBox(std::string(kUnexpectedErrorText));
    return result;
  }
}

}  // namespace

ActionResult Report(ActionServices& services, ActionOutcome outcome, std::string line) {
  ActionResult result{outcome, std::move(line)};
  services.ReportOutcome(result);
  return result;
}

ActionResult RunPictureAction(bool save, const PictureStep& takePicture, CaptureSettings& settings,
                              const std::string& programDir, ActionServices& services) {
  const KeyBusyScope busy;
  ActionResult result = TakeAndDeliver(save, takePicture, settings, programDir, services);
  services.ReleaseSurface();
  return result;
}

ActionResult RunCaptureAction(int modifiers, CaptureSettings& settings,
                              const std::string& programDir, ActionServices& services) {
  const bool foreground = (modifiers & kModAlt) != 0;
  const auto capture = [&]() -> std::optional<ActionResult> {
    if (foreground) {
      services.CopyForegroundToSurface();
    } else {
      services.CopyDesktopToSurface(ScreenOf(settings));
    }
    if (settings.cursor) services.DrawPointerOnSurface(foreground);
    return std::nullopt;
  };
  const bool save = (modifiers & kModShift) != 0 || settings.alwaysSave;
  return RunPictureAction(save, capture, settings, programDir, services);
}

}  // namespace kx
