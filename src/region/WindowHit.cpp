#include "region/WindowHit.h"

#include "region/RectMath.h"

namespace kx {

std::optional<ScreenRect> WindowAt(std::span<const WindowArea> windows, ScreenPoint point,
                                   ControlFinder* controls) {
  for (const WindowArea& window : windows) {
    if (!Contains(window.rect, point)) continue;
    if (controls) {
      if (const auto control = controls->ControlAt(window.id, point)) {
        if (const auto inside = Intersection(*control, window.rect)) return inside;
      }
    }
    return window.rect;
  }
  return std::nullopt;
}

}  // namespace kx
