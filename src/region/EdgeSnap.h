#pragma once
// Snapping of a dragged selection to the edges of windows and monitors.

#include <cstdint>
#include <span>

#include "capture/ScreenArea.h"

namespace kx {

// The selection from the `anchor` pixel to the `pointer` pixel, both
// included, with the edges the pointer drags (its left or right, its top or
// bottom) moved onto the nearest edge of one of `rects` within `distance`
// pixels. An edge of a rectangle counts where the pointer is beside it
// (within `distance` of its extent); the selection keeps the anchor pixel.
ScreenRect SnapSelection(ScreenPoint anchor, ScreenPoint pointer, std::span<const ScreenRect> rects,
                         std::int32_t distance);

}  // namespace kx
