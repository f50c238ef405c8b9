#include "region/KeyMoves.h"

#include "region/RectMath.h"

namespace kx {

std::optional<Step> ArrowStep(Key key, std::int32_t distance) {
  switch (key) {
    case Key::Left:
      return Step{-distance, 0};
    case Key::Right:
      return Step{distance, 0};
    case Key::Up:
      return Step{0, -distance};
    case Key::Down:
      return Step{0, distance};
    default:
      return std::nullopt;
  }
}

ScreenPoint MovePoint(ScreenPoint point, Step step, const ScreenRect& bounds) {
  return ClampInto({point.x + step.dx, point.y + step.dy}, bounds);
}

}  // namespace kx
