#pragma once
// Lengths in twips (1/1440 inch) and screen pixels.

#include <cstdint>
#include <optional>

namespace kx {

inline constexpr double kTwipsPerInch = 1440.0;

// Twips per pixel at a resolution in pixels per inch (15 at 96).
double TwipsPerPixel(int pixelsPerInch);

// twips / twipsPerPixel rounded half to even; nothing when it does not fit
// 32 bits or the divisor is zero.
[[nodiscard]] std::optional<std::int32_t> TwipsToPixels(double twips, double twipsPerPixel);

}  // namespace kx
