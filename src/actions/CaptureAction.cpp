#include "actions/CaptureAction.h"

#include "actions/SerialNumbers.h"
#include "base/Paths.h"
#include "base/ProductNames.h"
#include "hotkey/KeyBusy.h"

namespace kx {
namespace {

// The colour count of a reduction, or 0 for none.
std::int16_t ReductionColors(std::int16_t colors) {
  switch (colors) {
    case 1:
    case 256:
      return 256;
    case 16:
      return 16;
    case 2:
      return 2;
    default:
      return 0;
  }
}

void SaveNumbered(const CaptureSettings& settings, ActionServices& services) {
  if (!services.DirectoryExists(settings.saveFolder)) {
    services.ShowSaveAbortedNotice();
    return;
  }
  const std::optional<std::int32_t> highest = HighestSerial(settings.serialDigits);
  if (!highest) throw ActionError(std::string(kTooManyDigitsText));

  for (std::int32_t serial = 1; serial <= *highest; ++serial) {
    const std::string fileName =
        NumberedFileName(settings.saveFolder, settings.filePrefix, serial,
                         settings.serialDigits, settings.extension);
    if (services.PlainFileExists(fileName)) continue;
    switch (services.SaveSurfaceBmp(fileName, SaveMode::CreateNew)) {
      case SaveResult::Saved:
        services.ShowResultNotice(std::string(kSavedText));
        return;
      case SaveResult::NameTaken:  // appeared since the test: take the next
        continue;
      case SaveResult::Failed:
        services.ShowErrorBox(std::string(kSaveFailedTriedText) + "\r\n" + fileName);
        services.ShowErrorBox(std::string(kSaveFailedText));
        return;
    }
  }
  services.ShowErrorBox(std::string(kSaveFailedText));
}

void Save(const CaptureSettings& settings, const std::string& programDir,
          ActionServices& services) {
  if (const std::int16_t colors = ReductionColors(settings.colors); colors != 0) {
    services.ReduceSurfaceColors(colors);
  }
  if (settings.toStoreFile) {
    const bool stored = services.SaveSurfaceBmp(JoinPath(programDir, kStoreFileName),
                                                SaveMode::ReplaceExisting) == SaveResult::Saved;
    if (stored) {
      services.ShowResultNotice(std::string(kStoredText));
    } else {
      services.ShowErrorBox(std::string(kStoreFailedText));
    }
    return;
  }
  SaveNumbered(settings, services);
}

void Print(CaptureSettings& settings, ActionServices& services) {
  if (settings.printPercent < 1 || settings.printPercent > 100) {
    settings.printPercent = 100;
  }
  if (services.PrintSurface(settings)) services.ShowResultNotice(std::string(kPrintedText));
}

}  // namespace

void RunCaptureAction(int modifiers, CaptureSettings& settings, const std::string& programDir,
                      ActionServices& services) {
  const KeyBusyScope busy;
  try {
    const bool foreground = (modifiers & kModAlt) != 0;
    if (foreground) {
      services.CopyForegroundToSurface();
    } else {
      services.CopyDesktopToSurface();
    }
    if (settings.cursor == 1) services.DrawPointerOnSurface(foreground);
    if (settings.invert == 1) services.InvertSurface();

    if ((modifiers & kModShift) != 0 || settings.alwaysSave == 1) {
      Save(settings, programDir, services);
    } else {
      Print(settings, services);
    }
  } catch (const ActionError& error) {
    services.ShowErrorBox(error.what());
  } catch (const std::exception&) {
    services.ShowErrorBox(std::string(kUnexpectedErrorText));
  }
}

}  // namespace kx
