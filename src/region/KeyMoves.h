#pragma once
// Moves with the arrow keys.

#include <cstdint>
#include <optional>

#include "capture/ScreenArea.h"
#include "region/RegionInput.h"

namespace kx {

struct Step {
  std::int32_t dx = 0;
  std::int32_t dy = 0;
};

// The step of an arrow key, `distance` pixels long; nothing for other keys.
std::optional<Step> ArrowStep(Key key, std::int32_t distance);

// The point moved by the step, kept on a pixel of `bounds`.
ScreenPoint MovePoint(ScreenPoint point, Step step, const ScreenRect& bounds);

}  // namespace kx
