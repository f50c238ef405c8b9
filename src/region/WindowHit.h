#pragma once
// Which window the pointer is over, for the outline before a drag and the
// window a click takes.

#include <cstdint>
#include <optional>
#include <span>

#include "capture/ScreenArea.h"

namespace kx {

struct WindowArea {
  std::intptr_t id = 0;  // the adapter's handle of the window
  ScreenRect rect;       // what a capture of it takes, in screen pixels
};

// The controls inside a top-level window.
class ControlFinder {
 public:
  virtual ~ControlFinder() = default;
  // The visible rectangle of the innermost control of `window` under the
  // point; nothing when the point is on the window itself.
  virtual std::optional<ScreenRect> ControlAt(std::intptr_t window, ScreenPoint point) = 0;
};

// The rectangle of the first window (they come top first, the adapter has
// left out hidden and minimised ones) that holds the point; with `controls`
// that of the control under it, kept inside its window. Nothing over no
// window.
std::optional<ScreenRect> WindowAt(std::span<const WindowArea> windows, ScreenPoint point,
                                   ControlFinder* controls);

}  // namespace kx
