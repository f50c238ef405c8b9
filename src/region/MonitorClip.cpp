#include "region/MonitorClip.h"

#include <vector>

#include "region/RectMath.h"

namespace kx {

// The monitors' parts inside the rectangle, taken together as all monitors
// are for a capture of the whole desktop.
std::optional<ScreenArea> ClipToMonitors(const ScreenRect& rect,
                                         std::span<const Monitor> monitors) {
  std::vector<Monitor> parts;
  for (const Monitor& monitor : monitors) {
    if (const auto part = Intersection(rect, monitor.area)) parts.push_back({*part, false});
  }
  if (parts.empty()) return std::nullopt;
  return ChooseScreenArea(Screen::AllMonitors, parts, {}, std::nullopt);
}

}  // namespace kx
