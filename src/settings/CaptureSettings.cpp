#include "settings/CaptureSettings.h"

namespace kx {

CaptureSettings DefaultCaptureSettings(const std::string& programDir) {
  CaptureSettings settings;
  settings.saveFolder = programDir;
  return settings;
}

Screen ScreenOf(const CaptureSettings& settings) {
  switch (settings.screen) {
    case Screen::UnderPointer:
    case Screen::OfForegroundWindow:
    case Screen::AllMonitors:
      return settings.screen;
    default:
      return Screen::Primary;
  }
}

bool SavesPng(const CaptureSettings& settings) { return settings.fileFormat == FileFormat::Png; }

std::string_view NumberedExtension(const CaptureSettings& settings) {
  if (!SavesPng(settings)) return settings.extension;
  return settings.extension == kLowerCaseExtension ? kLowerCasePngExtension
                                                   : kUpperCasePngExtension;
}

}  // namespace kx
