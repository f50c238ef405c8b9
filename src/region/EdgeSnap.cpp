#include "region/EdgeSnap.h"

#include <cstdlib>

#include "region/RectMath.h"

namespace kx {
namespace {

struct Axis {
  std::int32_t ScreenRect::*low;
  std::int32_t ScreenRect::*high;
  std::int32_t ScreenPoint::*along;   // the coordinate this axis moves
  std::int32_t ScreenPoint::*across;  // the one an edge's extent is measured on
  std::int32_t ScreenRect::*acrossLow;
  std::int32_t ScreenRect::*acrossHigh;
};

constexpr Axis kHorizontal{&ScreenRect::left, &ScreenRect::right, &ScreenPoint::x,
                           &ScreenPoint::y,   &ScreenRect::top,   &ScreenRect::bottom};
constexpr Axis kVertical{&ScreenRect::top, &ScreenRect::bottom, &ScreenPoint::y,
                         &ScreenPoint::x,  &ScreenRect::left,   &ScreenRect::right};

// Moves the dragged edge of `selection` along one axis.
void SnapAxis(ScreenRect& selection, const Axis& axis, ScreenPoint anchor, ScreenPoint pointer,
              std::span<const ScreenRect> rects, std::int32_t distance) {
  const bool dragsHigh = pointer.*axis.along >= anchor.*axis.along;
  std::int32_t& edge = dragsHigh ? selection.*axis.high : selection.*axis.low;
  const std::int32_t across = pointer.*axis.across;
  std::int32_t best = edge;
  std::int32_t bestGap = distance + 1;
  for (const ScreenRect& rect : rects) {
    if (across < rect.*axis.acrossLow - distance || across >= rect.*axis.acrossHigh + distance) {
      continue;
    }
    for (const std::int32_t candidate : {rect.*axis.low, rect.*axis.high}) {
      const bool keepsAnchor =
          dragsHigh ? candidate > anchor.*axis.along : candidate <= anchor.*axis.along;
      const std::int32_t gap = std::abs(candidate - edge);
      if (keepsAnchor && gap < bestGap) {
        best = candidate;
        bestGap = gap;
      }
    }
  }
  edge = best;
}

}  // namespace

ScreenRect SnapSelection(ScreenPoint anchor, ScreenPoint pointer, std::span<const ScreenRect> rects,
                         std::int32_t distance) {
  ScreenRect selection = RectFromCorners(anchor, pointer);
  SnapAxis(selection, kHorizontal, anchor, pointer, rects, distance);
  SnapAxis(selection, kVertical, anchor, pointer, rects, distance);
  return selection;
}

}  // namespace kx
