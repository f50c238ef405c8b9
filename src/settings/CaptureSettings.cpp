#include "settings/CaptureSettings.h"

namespace kx {

CaptureSettings DefaultCaptureSettings(const std::string& programDir) {
  CaptureSettings settings;
  settings.saveFolder = programDir;
  return settings;
}

Screen ScreenOf(const CaptureSettings& settings) {
  switch (settings.screen) {
    case 1:
      return Screen::UnderPointer;
    case 2:
      return Screen::OfForegroundWindow;
    case 3:
      return Screen::AllMonitors;
    default:
      return Screen::Primary;
  }
}

bool SavesPng(const CaptureSettings& settings) { return settings.fileFormat == 1; }

std::string_view NumberedExtension(const CaptureSettings& settings) {
  if (!SavesPng(settings)) return settings.extension;
  return settings.extension == kLowerCaseExtension ? kLowerCasePngExtension
                                                   : kUpperCasePngExtension;
}

}  // namespace kx
