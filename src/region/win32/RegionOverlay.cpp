#include "region/win32/RegionOverlay.h"

#include <algorithm>
#include <utility>

#include "base/win32/ScopedWin.h"
#include "region/RegionSelector.h"
#include "region/win32/DpiAwareness.h"
#include "region/win32/FrozenScreen.h"
#include "region/win32/OverlayPainter.h"
#include "region/win32/OverlayWindow.h"
#include "region/win32/WindowList.h"

namespace kx::win {
namespace {

constexpr int kDesignPixelsPerInch = 96;

class Win32OverlayPlatform : public OverlayPlatform {
 public:
  Win32OverlayPlatform(const FrozenScreen& frozen, const OverlayPainter& painter)
      : frozen_(frozen), painter_(painter) {}

  BoxSize TextSize(const std::string& text) override { return painter_.TextSize(text); }
  std::uint32_t ColourAt(ScreenPoint point) override { return FrozenColour(frozen_, point); }
  std::optional<ScreenRect> ControlAt(std::intptr_t window, ScreenPoint point) override {
    return controls_.ControlAt(window, point);
  }

 private:
  const FrozenScreen& frozen_;
  const OverlayPainter& painter_;
  WindowControls controls_;
};

// The selector's distances at the screen's resolution; a drag starts where
// the system's drags do.
SelectorOptions ScaledOptions() {
  const WindowDc screen = WindowDc::Client(nullptr);
  const int pixelsPerInch = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
  const auto scaled = [&](std::int32_t value) {
    return pixelsPerInch > 0 ? ::MulDiv(value, pixelsPerInch, kDesignPixelsPerInch) : value;
  };
  SelectorOptions options;
  options.dragThreshold = std::max(::GetSystemMetrics(SM_CXDRAG), 1);
  options.snapDistance = scaled(options.snapDistance);
  options.grip = scaled(options.grip);
  options.magnifierSpan = scaled(options.magnifierSpan);
  options.gap = scaled(options.gap);
  options.labelPadding = scaled(options.labelPadding);
  return options;
}

RegionEnd EndOf(SelectorEnd end) {
  switch (end) {
    case SelectorEnd::Taken:
      return RegionEnd::Taken;
    case SelectorEnd::Empty:
      return RegionEnd::Empty;
    case SelectorEnd::Running:
    case SelectorEnd::Cancelled:
      break;
  }
  return RegionEnd::Cancelled;
}

}  // namespace

// The screen is copied first, as it was at the call; the windows are listed
// before the overlay is there to be listed.
RegionOutcome RunRegionOverlay(HWND owner, const std::optional<ScreenRect>& lastRegion,
                               RegionStart start, OverlayObserver* observer) {
  const ScopedPerMonitorDpi perMonitor;
  RegionOutcome outcome;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  outcome.pointer = {cursor.x, cursor.y};
  auto frozen = FreezeScreen();
  if (!frozen) return outcome;
  {
    OverlayPainter painter(*frozen);
    if (!painter.Ready()) return outcome;
    Win32OverlayPlatform platform(*frozen, painter);
    RegionSelector selector(
        {frozen->area, frozen->monitors, VisibleTopLevelWindows(), outcome.pointer, lastRegion,
         start == RegionStart::AdjustLast, ScaledOptions()},
        platform);
    {
      OverlayWindow window(*frozen, selector, painter, observer);
      if (!window.Show(owner)) return outcome;
      window.RunUntilEnd();
    }
    outcome.end = EndOf(selector.End());
    if (outcome.end == RegionEnd::Taken) outcome.rect = selector.Taken().area;
  }  // the painter lets go of the picture here
  if (outcome.end == RegionEnd::Taken) {
    outcome.screen = std::move(frozen->picture);
    outcome.screenArea = frozen->area;
  }
  return outcome;
}

}  // namespace kx::win
