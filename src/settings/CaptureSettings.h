#pragma once
// The settings record: filled from "Kaptorix.ini" once at start.

#include <cstdint>
#include <string>

#include "base/ProductNames.h"

namespace kx {

struct CaptureSettings {
  std::int32_t lngKey = 44;  // virtual-key code of the hot keys (Print Screen)
  std::string strSaveDir;    // folder of numbered captures
  std::int16_t intColors = 0;  // 2, 16, 1 or 256: colour reduction; else full colour
  std::int16_t intPrintPercent = 100;
  std::string strHeaderText;
  std::int16_t intHeaderLayout = 0;  // 0 centred, 1 right-aligned line, else none
  std::int16_t intMarginLeft = 20;   // millimetres
  std::int16_t intMarginRight = 20;
  std::int16_t intMarginTop = 0;
  std::int16_t intMarginBottom = 0;
  std::int16_t intQuality = 1;  // 0 draft, 2 high, else the printer's own
  bool booStore = false;        // keep the capture in the store file
  std::int16_t intPrintDate = 0;
  std::int16_t intInvert = 0;
  std::int16_t intAlwaysSave = 0;
  std::int16_t intOrientation = 2;  // 1 portrait, 2 landscape
  std::string strFilePrefix{kDefaultFilePrefix};
  std::int16_t intSerialDigits = 3;
  std::string strExtension{kUpperCaseExtension};
  std::int16_t intCursor = 0;
  std::string strPrinter;  // empty: the default printer

  bool operator==(const CaptureSettings&) const = default;
};

// The defaults, with captures saved in the program's own folder.
CaptureSettings DefaultCaptureSettings(const std::string& programDir);

}  // namespace kx
