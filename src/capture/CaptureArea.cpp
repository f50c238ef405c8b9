#include "capture/CaptureArea.h"

#include <algorithm>
#include <limits>

namespace kx {
namespace {

bool FitsInt32(std::int64_t value) {
  return value >= std::numeric_limits<std::int32_t>::min() &&
         value <= std::numeric_limits<std::int32_t>::max();
}

bool IsInside(const ScreenRect& inner, const ScreenRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool IsEmpty(const ScreenRect& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

}  // namespace

std::optional<CaptureArea> WindowCaptureArea(const ScreenRect& windowRect,
                                             const std::optional<ScreenRect>& visibleFrame) {
  const ScreenRect outer =
      visibleFrame && !IsEmpty(*visibleFrame) && IsInside(*visibleFrame, windowRect) ? *visibleFrame
                                                                                     : windowRect;
  const std::int64_t width = std::int64_t{outer.right} - outer.left;
  const std::int64_t height = std::int64_t{outer.bottom} - outer.top;
  const std::int64_t sourceLeft = std::int64_t{outer.left} - windowRect.left;
  const std::int64_t sourceTop = std::int64_t{outer.top} - windowRect.top;
  if (!FitsInt32(width) || !FitsInt32(height) || !FitsInt32(sourceLeft) || !FitsInt32(sourceTop)) {
    return std::nullopt;
  }
  CaptureArea area;
  area.outer = outer;
  area.sourceLeft = static_cast<std::int32_t>(sourceLeft);
  area.sourceTop = static_cast<std::int32_t>(sourceTop);
  area.width = static_cast<std::int32_t>(width);
  area.height = static_cast<std::int32_t>(height);
  return area;
}

std::int32_t CaptureBandRows(std::int32_t width) {
  const std::int64_t rowBytes = 4 * std::max<std::int64_t>(width, 1);
  return static_cast<std::int32_t>(std::max<std::int64_t>(kCaptureBandBytes / rowBytes, 1));
}

}  // namespace kx
