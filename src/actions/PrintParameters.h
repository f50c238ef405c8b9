#pragma once
// What the print-out receives: the picture and the print settings.

#include <cstdint>
#include <string>

#include "capture/Image.h"
#include "settings/CaptureSettings.h"

namespace kx {

// The picture to print: its pixels and its size in HIMETRIC (0.01 mm).
struct PrintPicture {
  const Rgb32Image& pixels;
  double widthHimetric = 0.0;
  double heightHimetric = 0.0;
};

// The print settings, in the order the print-out takes them.
struct PrintParameters {
  std::int16_t percent = 100;  // printed size in percent of the fitted size
  std::string headerText;
  HeaderLayout headerLayout = HeaderLayout::Centred;  // centred: the date on the right
  PrintQuality quality = PrintQuality::PrinterOwn;    // high: medium first
  std::int16_t marginLeft = 20;                       // millimetres
  std::int16_t marginRight = 20;
  std::int16_t marginTop = 0;
  std::int16_t marginBottom = 0;
  bool printDate = false;  // the date and time go with the heading
  Orientation orientation = Orientation::Landscape;

  bool operator==(const PrintParameters&) const = default;
};

}  // namespace kx
