#pragma once
// What the print-out receives: the picture and the print settings.

#include <cstdint>
#include <string>

#include "capture/Image.h"

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
  std::int16_t headerLayout = 0;  // 0 centred heading, date right; 1 one right-aligned line
  std::int16_t quality = 1;       // 0 draft, 2 medium then high, else the printer's own
  std::int16_t marginLeft = 20;   // millimetres
  std::int16_t marginRight = 20;
  std::int16_t marginTop = 0;
  std::int16_t marginBottom = 0;
  std::int16_t printDate = 0;    // 1: the date and time go with the heading
  std::int16_t orientation = 2;  // 1 portrait, 2 landscape

  bool operator==(const PrintParameters&) const = default;
};

}  // namespace kx
