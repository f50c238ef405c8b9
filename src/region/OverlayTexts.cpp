#include "region/OverlayTexts.h"

#include <cstdio>

namespace kx {

std::string RectText(const ScreenRect& rect) {
  return std::to_string(rect.left) + ", " + std::to_string(rect.top) + "  " +
         std::to_string(std::int64_t{rect.right} - rect.left) + " \xC3\x97 " +
         std::to_string(std::int64_t{rect.bottom} - rect.top);
}

std::string PixelText(ScreenPoint point, std::uint32_t colour) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%06X", static_cast<unsigned>(colour & 0xFFFFFF));
  return std::to_string(point.x) + ", " + std::to_string(point.y) + "  " + hex;
}

}  // namespace kx
