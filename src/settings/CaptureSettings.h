#pragma once
// The settings record: filled from "Kaptorix.ini" once at start. The numbers
// the file holds leniently are 16-bit, as the file format has them: a value
// outside -32768 to 32767 leaves its field as it was (SettingsReader.h).

#include <cstdint>
#include <string>
#include <string_view>

#include "base/ProductNames.h"

namespace kx {

// The codes keep the file's number, also one without a name (their 16-bit
// type holds any), so that a file written back says what it said; what a
// number without a name does is said with each code.

// Any other value is full colour.
enum class ColorReduction : std::int16_t {
  None = 0,
  To256Too = 1,
  To2 = 2,
  To16 = 16,
  To256 = 256
};

// Any other value prints no heading.
enum class HeaderLayout : std::int16_t { Centred = 0, RightAligned = 1, None = 2 };

// Any other value leaves the printer's own quality.
enum class PrintQuality : std::int16_t { Draft = 0, PrinterOwn = 1, High = 2 };

// Handed to the printer as it is: a printer takes only these two.
enum class Orientation : std::int16_t { Portrait = 1, Landscape = 2 };

// Any other value saves BMP files.
enum class FileFormat : std::int16_t { Bmp = 0, Png = 1 };

// Which screen a capture without Alt takes: any other value is the primary
// screen (ScreenOf).
enum class Screen : std::int16_t {
  Primary = 0,
  UnderPointer = 1,
  OfForegroundWindow = 2,
  AllMonitors = 3
};

struct CaptureSettings {
  std::int32_t hotKey = 44;  // virtual-key code of the hot keys (Print Screen)
  std::string saveFolder;    // folder of numbered captures
  ColorReduction colors = ColorReduction::None;
  std::int16_t printPercent = 100;
  std::string headerText;
  HeaderLayout headerLayout = HeaderLayout::Centred;
  std::int16_t marginLeft = 20;  // millimetres
  std::int16_t marginRight = 20;
  std::int16_t marginTop = 0;
  std::int16_t marginBottom = 0;
  PrintQuality quality = PrintQuality::PrinterOwn;
  bool toStoreFile = false;  // keep the capture in the store file (not in the file)
  bool printDate = false;    // print the date and time with the heading
  bool invert = false;       // invert the colours
  bool alwaysSave = false;   // save without Shift too
  Orientation orientation = Orientation::Landscape;
  std::string filePrefix{kDefaultFilePrefix};
  std::int16_t serialDigits = 3;
  std::string extension{kUpperCaseExtension};
  bool cursor = false;  // draw the mouse pointer into the capture
  std::string printer;  // empty: the default printer
  FileFormat fileFormat = FileFormat::Bmp;
  bool clipboard = false;  // a copy of each capture on the clipboard
  Screen screen = Screen::Primary;
  bool tray = false;    // the resident program shows an icon in the notification area
  bool region = false;  // Ctrl and Ctrl+Shift with the key choose a region

  bool operator==(const CaptureSettings&) const = default;
};

// The defaults, with captures saved in the program's own folder.
CaptureSettings DefaultCaptureSettings(const std::string& programDir);

Screen ScreenOf(const CaptureSettings& settings);

bool SavesPng(const CaptureSettings& settings);

// The extension of numbered captures: `extension` for BMP files, and for PNG
// files ".PNG" or, when `extension` is ".bmp", ".png".
std::string_view NumberedExtension(const CaptureSettings& settings);

}  // namespace kx
