// Any bytes as "Kaptorix.ini": reading must neither crash nor leave a field
// outside what its tag allows.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/SettingsReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kx::CaptureSettings settings = kx::DefaultCaptureSettings("C:\\Kx");
  kx::ReadSettings(text, settings);
  if (settings.strExtension != ".BMP" && settings.strExtension != ".bmp") std::abort();
  for (const std::int16_t margin : {settings.intMarginLeft, settings.intMarginRight,
                                    settings.intMarginTop, settings.intMarginBottom}) {
    if (margin < -9 || margin > 99) std::abort();
  }
  if (settings.booStore) std::abort();
  return 0;
}
