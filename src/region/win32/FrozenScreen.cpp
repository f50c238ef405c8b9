#include "region/win32/FrozenScreen.h"

#include <cstring>
#include <optional>
#include <utility>

#include "base/win32/ScopedWin.h"
#include "capture/win32/ScreenCapture.h"
#include "region/RectMath.h"

namespace kx::win {
namespace {

// The picture as a 32-bit section: the capture is one on a 32-bit display;
// on other displays it is copied into one.
Picture AsSection(Picture picture) {
  if (!picture || picture.SectionRows().top) return picture;
  DibSection section = CreateDibSection(picture.Width(), picture.Height(), 32, {});
  if (!section.bitmap) return {};
  {
    const DcHandle source(::CreateCompatibleDC(nullptr));
    const DcHandle target(::CreateCompatibleDC(nullptr));
    if (!source || !target) return {};
    const ScopedSelectObject sourceBitmap(source.get(), picture.Bitmap());
    std::optional<ScopedSelectPalette> sourcePalette;
    if (picture.Palette()) sourcePalette.emplace(source.get(), picture.Palette());
    const ScopedSelectObject targetBitmap(target.get(), section.bitmap.get());
    ::BitBlt(target.get(), 0, 0, picture.Width(), picture.Height(), source.get(), 0, 0, SRCCOPY);
  }
  return Picture(std::move(section), nullptr);
}

}  // namespace

// The copy a capture of all monitors makes, in bands of rows: under Wine one
// block copy of the whole screen was twice as slow, and neither a second
// thread nor sections sharing one mapping made it faster.
std::optional<FrozenScreen> FreezeScreen() {
  FrozenScreen frozen;
  frozen.monitors = DisplayMonitors();
  const auto area = ChooseScreenArea(Screen::AllMonitors, frozen.monitors, {}, std::nullopt);
  if (!area) return std::nullopt;
  frozen.area = area->area;
  frozen.picture = AsSection(CopyScreenArea(*area));
  if (!frozen.picture || frozen.picture.Width() != Width(frozen.area) ||
      frozen.picture.Height() != Height(frozen.area)) {
    return std::nullopt;
  }
  ::GdiFlush();
  return frozen;
}

std::uint32_t FrozenColour(const FrozenScreen& frozen, ScreenPoint point) {
  if (!Contains(frozen.area, point)) return 0;
  std::uint32_t pixel = 0;
  const std::uint8_t* row = frozen.picture.SectionRows().Row(point.y - frozen.area.top);
  std::memcpy(&pixel, row + 4 * static_cast<std::ptrdiff_t>(point.x - frozen.area.left),
              sizeof pixel);
  return pixel & 0xFFFFFF;
}

}  // namespace kx::win
