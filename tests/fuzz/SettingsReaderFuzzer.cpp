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
  if (settings.extension != ".BMP" && settings.extension != ".bmp") std::abort();
  for (const std::int16_t margin :
       {settings.marginLeft, settings.marginRight, settings.marginTop, settings.marginBottom}) {
    if (margin < -9 || margin > 99) std::abort();
  }
  if (settings.toStoreFile) std::abort();
  return 0;
}
