#include "capture/Himetric.h"

#include <algorithm>
#include <limits>

namespace kx {

std::int32_t PixelsToHimetric(std::int32_t pixels, std::int32_t pixelsPerInch) {
  if (pixelsPerInch <= 0) return 0;
  const std::int64_t scaled = std::int64_t{pixels} * kHimetricPerInch;
  const std::int64_t half = pixelsPerInch / 2;
  const std::int64_t rounded =
      scaled >= 0 ? (scaled + half) / pixelsPerInch : -((-scaled + half) / pixelsPerInch);
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      rounded, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace kx
