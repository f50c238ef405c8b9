#pragma once
// HIMETRIC lengths (0.01 mm) of pixel lengths.

#include <cstdint>

namespace kx {

inline constexpr std::int32_t kHimetricPerInch = 2540;

// pixels * 2540 / pixelsPerInch, rounded to the nearest unit (halves away
// from zero); 0 when the resolution is not positive, clamped to 32 bits.
std::int32_t PixelsToHimetric(std::int32_t pixels, std::int32_t pixelsPerInch);

}  // namespace kx
