#include "capture/ScreenArea.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace kx {
namespace {

bool IsEmpty(const ScreenRect& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

bool Contains(const ScreenRect& rect, ScreenPoint point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

// How many pixels apart the nearest pixels of two ranges (end exclusive) are
// along one axis: 0 when they overlap, 1 when they only touch.
std::int64_t Gap(std::int64_t begin, std::int64_t end, std::int64_t otherBegin,
                 std::int64_t otherEnd) {
  if (otherEnd <= begin) return begin - otherEnd + 1;
  if (end <= otherBegin) return otherBegin - end + 1;
  return 0;
}

// Squared distance between the nearest pixels of two rectangles; a point is
// a rectangle of one pixel.
std::int64_t SquaredDistance(const ScreenRect& a, const ScreenRect& b) {
  const std::int64_t dx = Gap(a.left, a.right, b.left, b.right);
  const std::int64_t dy = Gap(a.top, a.bottom, b.top, b.bottom);
  return dx * dx + dy * dy;
}

std::int64_t OverlapArea(const ScreenRect& a, const ScreenRect& b) {
  const std::int64_t width = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
  const std::int64_t height = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

// The first monitor with the least key.
template <typename Key>
const Monitor& Least(const std::vector<Monitor>& monitors, Key key) {
  return *std::min_element(monitors.begin(), monitors.end(),
                           [&](const Monitor& a, const Monitor& b) { return key(a) < key(b); });
}

const Monitor& Primary(const std::vector<Monitor>& monitors) {
  const auto marked =
      std::find_if(monitors.begin(), monitors.end(), [](const Monitor& m) { return m.primary; });
  if (marked != monitors.end()) return *marked;
  const auto atOrigin = std::find_if(monitors.begin(), monitors.end(), [](const Monitor& m) {
    return Contains(m.area, {0, 0});
  });
  return atOrigin != monitors.end() ? *atOrigin : monitors.front();
}

const Monitor& UnderPointer(const std::vector<Monitor>& monitors, ScreenPoint pointer) {
  const ScreenRect spot{pointer.x, pointer.y, pointer.x + 1, pointer.y + 1};
  return Least(monitors, [&](const Monitor& m) { return SquaredDistance(m.area, spot); });
}

const Monitor& OfWindow(const std::vector<Monitor>& monitors, const ScreenRect& window) {
  const Monitor& most =
      Least(monitors, [&](const Monitor& m) { return -OverlapArea(m.area, window); });
  if (OverlapArea(most.area, window) > 0) return most;
  return Least(monitors, [&](const Monitor& m) { return SquaredDistance(m.area, window); });
}

// The cells of the grid that the monitors' edges cut `bounds` into which no
// monitor covers, joined along each row band.
std::vector<ScreenRect> Uncovered(const ScreenRect& bounds, const std::vector<Monitor>& monitors) {
  std::vector<std::int32_t> xs{bounds.left, bounds.right};
  std::vector<std::int32_t> ys{bounds.top, bounds.bottom};
  for (const Monitor& m : monitors) {
    xs.insert(xs.end(), {m.area.left, m.area.right});
    ys.insert(ys.end(), {m.area.top, m.area.bottom});
  }
  for (auto* edges : {&xs, &ys}) {
    std::sort(edges->begin(), edges->end());
    edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
  }
  std::vector<ScreenRect> uncovered;
  for (std::size_t row = 0; row + 1 < ys.size(); ++row) {
    bool joining = false;
    for (std::size_t column = 0; column + 1 < xs.size(); ++column) {
      const ScreenRect cell{xs[column], ys[row], xs[column + 1], ys[row + 1]};
      const bool covered = std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& m) {
        return OverlapArea(m.area, cell) > 0;
      });
      if (covered) {
        joining = false;
      } else if (joining) {
        uncovered.back().right = cell.right;
      } else {
        uncovered.push_back(cell);
        joining = true;
      }
    }
  }
  return uncovered;
}

bool FitsInt32(std::int64_t value) { return value <= std::numeric_limits<std::int32_t>::max(); }

}  // namespace

std::optional<ScreenArea> ChooseScreenArea(Screen screen, std::span<const Monitor> monitors,
                                           ScreenPoint pointer,
                                           const std::optional<ScreenRect>& foregroundWindow) {
  std::vector<Monitor> usable;
  std::copy_if(monitors.begin(), monitors.end(), std::back_inserter(usable),
               [](const Monitor& m) { return !IsEmpty(m.area); });
  if (usable.empty()) return std::nullopt;

  ScreenArea chosen;
  switch (screen) {
    case Screen::Primary:
      chosen.area = Primary(usable).area;
      break;
    case Screen::UnderPointer:
      chosen.area = UnderPointer(usable, pointer).area;
      break;
    case Screen::OfForegroundWindow:
      chosen.area = foregroundWindow && !IsEmpty(*foregroundWindow)
                        ? OfWindow(usable, *foregroundWindow).area
                        : Primary(usable).area;
      break;
    case Screen::AllMonitors:
      chosen.area = usable.front().area;
      for (const Monitor& m : usable) {
        chosen.area = {
            std::min(chosen.area.left, m.area.left), std::min(chosen.area.top, m.area.top),
            std::max(chosen.area.right, m.area.right), std::max(chosen.area.bottom, m.area.bottom)};
      }
      chosen.uncovered = Uncovered(chosen.area, usable);
      break;
  }
  if (!FitsInt32(std::int64_t{chosen.area.right} - chosen.area.left) ||
      !FitsInt32(std::int64_t{chosen.area.bottom} - chosen.area.top)) {
    return std::nullopt;
  }
  return chosen;
}

}  // namespace kx
