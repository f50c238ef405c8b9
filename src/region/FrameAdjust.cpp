#include "region/FrameAdjust.h"

#include <algorithm>
#include <cstdlib>

#include "region/RectMath.h"

namespace kx {
namespace {

enum class Side { None, Low, High };

// Which edge of the range [low, high) the coordinate grips along one axis.
Side SideAt(std::int32_t low, std::int32_t high, std::int32_t at, std::int32_t grip) {
  const std::int32_t inner = std::min(grip, (high - low) / 4);
  const bool nearLow = at >= low - grip && at < low + inner;
  const bool nearHigh = at >= high - inner && at < high + grip;
  if (nearLow && nearHigh)
    return std::abs(at - low) <= std::abs(high - 1 - at) ? Side::Low : Side::High;
  if (nearLow) return Side::Low;
  if (nearHigh) return Side::High;
  return Side::None;
}

bool Moves(FrameZone zone, FrameZone a, FrameZone b, FrameZone c) {
  return zone == a || zone == b || zone == c;
}

}  // namespace

FrameZone ZoneAt(const ScreenRect& frame, ScreenPoint point, std::int32_t grip) {
  const ScreenRect reach = Inflate(frame, grip);
  if (!Contains(reach, point)) return FrameZone::Outside;
  const Side x = SideAt(frame.left, frame.right, point.x, grip);
  const Side y = SideAt(frame.top, frame.bottom, point.y, grip);
  constexpr FrameZone kZones[3][3] = {
      {FrameZone::Inside, FrameZone::Top, FrameZone::Bottom},
      {FrameZone::Left, FrameZone::TopLeft, FrameZone::BottomLeft},
      {FrameZone::Right, FrameZone::TopRight, FrameZone::BottomRight},
  };
  const FrameZone zone = kZones[static_cast<int>(x)][static_cast<int>(y)];
  if (zone == FrameZone::Inside && !Contains(frame, point)) return FrameZone::Outside;
  return zone;
}

ScreenRect DragFrame(const ScreenRect& frame, FrameZone zone, Step by, const ScreenRect& bounds) {
  if (zone == FrameZone::Outside) return frame;
  if (zone == FrameZone::Inside) {
    const std::int32_t left =
        std::max(std::min(frame.left + by.dx, bounds.right - Width(frame)), bounds.left);
    const std::int32_t top =
        std::max(std::min(frame.top + by.dy, bounds.bottom - Height(frame)), bounds.top);
    return Offset(frame, left - frame.left, top - frame.top);
  }
  ScreenRect moved = frame;
  using Z = FrameZone;
  if (Moves(zone, Z::Left, Z::TopLeft, Z::BottomLeft)) {
    moved.left = std::clamp(frame.left + by.dx, bounds.left, frame.right - 1);
  }
  if (Moves(zone, Z::Right, Z::TopRight, Z::BottomRight)) {
    moved.right = std::clamp(frame.right + by.dx, frame.left + 1, bounds.right);
  }
  if (Moves(zone, Z::Top, Z::TopLeft, Z::TopRight)) {
    moved.top = std::clamp(frame.top + by.dy, bounds.top, frame.bottom - 1);
  }
  if (Moves(zone, Z::Bottom, Z::BottomLeft, Z::BottomRight)) {
    moved.bottom = std::clamp(frame.bottom + by.dy, frame.top + 1, bounds.bottom);
  }
  return moved;
}

}  // namespace kx
