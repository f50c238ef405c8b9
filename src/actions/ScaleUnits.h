#pragma once
// Units of length the print-out converts between, with their scale-mode codes.

#include <cstdint>

namespace kx {

enum class ScaleUnit : std::int16_t {
  Twips = 1,  // 1/1440 inch
  Millimetres = 6,
  Himetric = 8,  // 0.01 mm
};

// `value` in `from` units expressed in `to` units; throws PrintError
// (overflow) when the result does not fit a float.
float ConvertLength(float value, ScaleUnit from, ScaleUnit to);

// A double rounded to a float; throws PrintError (overflow) when it does not
// fit or is not a number.
float ToSingle(double value);

}  // namespace kx
