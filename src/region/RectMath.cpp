#include "region/RectMath.h"

#include <algorithm>

namespace kx {

bool IsEmpty(const ScreenRect& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

bool Contains(const ScreenRect& rect, ScreenPoint point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

std::int32_t Width(const ScreenRect& rect) { return rect.right - rect.left; }
std::int32_t Height(const ScreenRect& rect) { return rect.bottom - rect.top; }

std::optional<ScreenRect> Intersection(const ScreenRect& a, const ScreenRect& b) {
  const ScreenRect common{std::max(a.left, b.left), std::max(a.top, b.top),
                          std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  if (IsEmpty(common)) return std::nullopt;
  return common;
}

ScreenRect BoundingBox(const ScreenRect& a, const ScreenRect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

ScreenRect Inflate(const ScreenRect& rect, std::int32_t by) {
  return {rect.left - by, rect.top - by, rect.right + by, rect.bottom + by};
}

ScreenRect Offset(const ScreenRect& rect, std::int32_t dx, std::int32_t dy) {
  return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

ScreenPoint ClampInto(ScreenPoint point, const ScreenRect& bounds) {
  return {std::clamp(point.x, bounds.left, bounds.right - 1),
          std::clamp(point.y, bounds.top, bounds.bottom - 1)};
}

ScreenRect RectFromCorners(ScreenPoint a, ScreenPoint b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
}

}  // namespace kx
