#pragma once
// Arithmetic on screen rectangles (right and bottom exclusive) and points.

#include <cstdint>
#include <optional>

#include "capture/CaptureArea.h"
#include "capture/ScreenArea.h"

namespace kx {

inline bool operator==(ScreenPoint a, ScreenPoint b) { return a.x == b.x && a.y == b.y; }

bool IsEmpty(const ScreenRect& rect);
bool Contains(const ScreenRect& rect, ScreenPoint point);
std::int32_t Width(const ScreenRect& rect);
std::int32_t Height(const ScreenRect& rect);

// The common part; nothing when they share no pixel.
std::optional<ScreenRect> Intersection(const ScreenRect& a, const ScreenRect& b);
// The smallest rectangle around both.
ScreenRect BoundingBox(const ScreenRect& a, const ScreenRect& b);
// Grown by `by` pixels on every side (shrunk when negative).
ScreenRect Inflate(const ScreenRect& rect, std::int32_t by);
ScreenRect Offset(const ScreenRect& rect, std::int32_t dx, std::int32_t dy);

// The nearest pixel of `bounds` (which holds at least one).
ScreenPoint ClampInto(ScreenPoint point, const ScreenRect& bounds);

// The rectangle whose opposite corner pixels are `a` and `b`, both included:
// a press and a release on the same pixel select that one pixel.
ScreenRect RectFromCorners(ScreenPoint a, ScreenPoint b);

}  // namespace kx
