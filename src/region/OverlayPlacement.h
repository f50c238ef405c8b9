#pragma once
// Where the overlay's magnifier and label go: near what they describe,
// inside one monitor, clear of the pixels the user is working on.

#include <cstdint>
#include <span>

#include "capture/ScreenArea.h"

namespace kx {

struct BoxSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// The monitor holding the point, else the nearest one by its edges; `fallback`
// without monitors.
ScreenRect MonitorAt(std::span<const Monitor> monitors, ScreenPoint point,
                     const ScreenRect& fallback);

// The magnifier `gap` pixels below and right of `focus`, else below left,
// above right or above left of it: the first place that lies inside
// `monitor` and covers neither `focus` nor `pointer` (the corner being
// dragged and the pointer). Where none does, below right moved inside.
ScreenRect PlaceMagnifier(BoxSize size, ScreenPoint focus, ScreenPoint pointer,
                          const ScreenRect& monitor, std::int32_t gap);

// The label of a selection: above its top-left corner, else below its
// bottom-left corner, else inside it at the top left; moved sideways to stay
// inside `monitor`.
ScreenRect PlaceLabel(BoxSize size, const ScreenRect& selection, const ScreenRect& monitor,
                      std::int32_t gap);

}  // namespace kx
