#include "capture/win32/ScreenCapture.h"

#include <utility>

#include "base/win32/ScopedWin.h"
#include "capture/win32/Capture.h"

namespace kx::win {
namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (::GetMonitorInfoW(monitor, &info)) {
    const RECT& r = info.rcMonitor;
    reinterpret_cast<std::vector<Monitor>*>(list)->push_back(
        {{r.left, r.top, r.right, r.bottom}, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  }
  return TRUE;
}

std::optional<ScreenRect> ForegroundWindowRect() {
  RECT rect{};
  const HWND window = ::GetForegroundWindow();
  if (!window || !::GetWindowRect(window, &rect)) return std::nullopt;
  return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

std::vector<Monitor> DisplayMonitors() {
  std::vector<Monitor> monitors;
  ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

std::optional<ScreenArea> ScreenAreaNow(Screen screen) {
  POINT pointer{};
  ::GetCursorPos(&pointer);
  return ChooseScreenArea(screen, DisplayMonitors(), {pointer.x, pointer.y},
                          ForegroundWindowRect());
}

// The screen's device context takes screen coordinates, also those left of
// and above the primary monitor.
Picture CopyScreenArea(const ScreenArea& area, DibSection spare) {
  const ScreenRect& rect = area.area;
  Picture picture = CopyWindowArea(nullptr, true, rect.left, rect.top, rect.right - rect.left,
                                   rect.bottom - rect.top, std::move(spare));
  if (!picture || area.uncovered.empty()) return picture;
  const DcHandle memory(::CreateCompatibleDC(nullptr));
  if (!memory) return {};
  const ScopedSelectObject selected(memory.get(), picture.Bitmap());
  for (const ScreenRect& gap : area.uncovered) {
    ::PatBlt(memory.get(), gap.left - rect.left, gap.top - rect.top, gap.right - gap.left,
             gap.bottom - gap.top, BLACKNESS);
  }
  return picture;
}

ScreenPoint CopyScreenToSurface(PictureSurface& surface, Screen screen) {
  if (screen != Screen::Primary) {
    if (const auto area = ScreenAreaNow(screen)) {
      // As for the primary screen: the old picture goes first, and a spare of
      // the area's size is copied into.
      const ScreenRect& rect = area->area;
      surface.Clear();
      surface.SetPicture(
          CopyScreenArea(*area, surface.TakeSpare(rect.right - rect.left, rect.bottom - rect.top)));
      return {area->area.left, area->area.top};
    }
  }
  CopyDesktopToSurface(surface);
  return {0, 0};
}

}  // namespace kx::win
