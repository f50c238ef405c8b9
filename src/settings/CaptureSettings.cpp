#include "settings/CaptureSettings.h"

namespace kx {

CaptureSettings DefaultCaptureSettings(const std::string& programDir) {
  CaptureSettings settings;
  settings.saveFolder = programDir;
  return settings;
}

}  // namespace kx
