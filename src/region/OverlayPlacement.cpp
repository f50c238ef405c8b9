#include "region/OverlayPlacement.h"

#include <algorithm>

#include "region/RectMath.h"

namespace kx {
namespace {

ScreenRect BoxAt(std::int32_t left, std::int32_t top, BoxSize size) {
  return {left, top, left + size.width, top + size.height};
}

bool Inside(const ScreenRect& box, const ScreenRect& bounds) {
  return box.left >= bounds.left && box.top >= bounds.top && box.right <= bounds.right &&
         box.bottom <= bounds.bottom;
}

// Moved by as little as it takes to lie inside `bounds` (its top left corner
// inside when it is larger).
ScreenRect MovedInside(const ScreenRect& box, const ScreenRect& bounds) {
  const std::int32_t left = std::max(std::min(box.left, bounds.right - Width(box)), bounds.left);
  const std::int32_t top = std::max(std::min(box.top, bounds.bottom - Height(box)), bounds.top);
  return Offset(box, left - box.left, top - box.top);
}

std::int64_t Distance(const ScreenRect& rect, ScreenPoint point) {
  const std::int64_t dx = point.x < rect.left     ? rect.left - point.x
                          : point.x >= rect.right ? point.x - rect.right + 1
                                                  : 0;
  const std::int64_t dy = point.y < rect.top       ? rect.top - point.y
                          : point.y >= rect.bottom ? point.y - rect.bottom + 1
                                                   : 0;
  return dx * dx + dy * dy;
}

}  // namespace

ScreenRect MonitorAt(std::span<const Monitor> monitors, ScreenPoint point,
                     const ScreenRect& fallback) {
  if (monitors.empty()) return fallback;
  return std::min_element(monitors.begin(), monitors.end(),
                          [&](const Monitor& a, const Monitor& b) {
                            return Distance(a.area, point) < Distance(b.area, point);
                          })
      ->area;
}

ScreenRect PlaceMagnifier(BoxSize size, ScreenPoint focus, ScreenPoint pointer,
                          const ScreenRect& monitor, std::int32_t gap) {
  const std::int32_t right = focus.x + gap;
  const std::int32_t left = focus.x - gap - size.width + 1;
  const std::int32_t below = focus.y + gap;
  const std::int32_t above = focus.y - gap - size.height + 1;
  const ScreenRect places[] = {BoxAt(right, below, size), BoxAt(left, below, size),
                               BoxAt(right, above, size), BoxAt(left, above, size)};
  for (const ScreenRect& place : places) {
    if (Inside(place, monitor) && !Contains(place, focus) && !Contains(place, pointer)) {
      return place;
    }
  }
  return MovedInside(places[0], monitor);
}

ScreenRect PlaceLabel(BoxSize size, const ScreenRect& selection, const ScreenRect& monitor,
                      std::int32_t gap) {
  const ScreenRect places[] = {BoxAt(selection.left, selection.top - gap - size.height, size),
                               BoxAt(selection.left, selection.bottom + gap, size),
                               BoxAt(selection.left + gap, selection.top + gap, size)};
  for (const ScreenRect& place : places) {
    if (place.top >= monitor.top && place.bottom <= monitor.bottom) {
      return MovedInside(place, monitor);
    }
  }
  return MovedInside(places[2], monitor);
}

}  // namespace kx
