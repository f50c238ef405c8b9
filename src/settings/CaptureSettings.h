#pragma once
// The settings record: filled from "Kaptorix.ini" once at start. The numbers
// the file holds leniently are 16-bit, as the file format has them: a value
// outside -32768 to 32767 leaves its field as it was (SettingsReader.h).

#include <cstdint>
#include <string>
#include <string_view>

#include "base/ProductNames.h"

namespace kx {

struct CaptureSettings {
  std::int32_t hotKey = 44;  // virtual-key code of the hot keys (Print Screen)
  std::string saveFolder;    // folder of numbered captures
  std::int16_t colors = 0;   // 2, 16, 1 or 256: colour reduction; else full colour
  std::int16_t printPercent = 100;
  std::string headerText;
  std::int16_t headerLayout = 0;  // 0 centred, 1 right-aligned line, else none
  std::int16_t marginLeft = 20;   // millimetres
  std::int16_t marginRight = 20;
  std::int16_t marginTop = 0;
  std::int16_t marginBottom = 0;
  std::int16_t quality = 1;      // 0 draft, 2 high, else the printer's own
  bool toStoreFile = false;      // keep the capture in the store file (not in the file)
  std::int16_t printDate = 0;    // 1: print the date and time with the heading
  std::int16_t invert = 0;       // 1: invert the colours
  std::int16_t alwaysSave = 0;   // 1: save without Shift too
  std::int16_t orientation = 2;  // 1 portrait, 2 landscape
  std::string filePrefix{kDefaultFilePrefix};
  std::int16_t serialDigits = 3;
  std::string extension{kUpperCaseExtension};
  std::int16_t cursor = 0;      // 1: draw the mouse pointer into the capture
  std::string printer;          // empty: the default printer
  std::int16_t fileFormat = 0;  // 1: numbered captures as PNG files; else BMP
  std::int16_t clipboard = 0;   // 1: a copy of each capture on the clipboard
  std::int16_t screen = 0;      // see ScreenOf
  std::int16_t tray = 0;        // 1: the resident program shows an icon in the notification area
  std::int16_t region = 0;      // 1: Ctrl and Ctrl+Shift with the key choose a region

  bool operator==(const CaptureSettings&) const = default;
};

// The defaults, with captures saved in the program's own folder.
CaptureSettings DefaultCaptureSettings(const std::string& programDir);

// Which screen a capture without Alt takes: any value but 1 to 3 is the
// primary screen.
enum class Screen { Primary, UnderPointer, OfForegroundWindow, AllMonitors };
Screen ScreenOf(const CaptureSettings& settings);

bool SavesPng(const CaptureSettings& settings);

// The extension of numbered captures: `extension` for BMP files, and for PNG
// files ".PNG" or, when `extension` is ".bmp", ".png".
std::string_view NumberedExtension(const CaptureSettings& settings);

}  // namespace kx
