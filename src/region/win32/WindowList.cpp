#include "region/win32/WindowList.h"

#include <dwmapi.h>

#include "base/win32/ScopedWin.h"
#include "base/win32/SystemLibrary.h"
#include "capture/CaptureArea.h"
#include "region/RectMath.h"

namespace kx::win {
namespace {

using GetAttribute = decltype(&::DwmGetWindowAttribute);

struct Enumeration {
  GetAttribute getAttribute = nullptr;  // null before Windows Vista
  std::vector<WindowArea> windows;
};

ScreenRect ToScreenRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

bool Cloaked(HWND window, GetAttribute getAttribute) {
  DWORD cloaked = 0;
  return getAttribute && SUCCEEDED(getAttribute(window, DWMWA_CLOAKED, &cloaked, sizeof cloaked)) &&
         cloaked != 0;
}

std::optional<ScreenRect> VisibleFrame(HWND window, GetAttribute getAttribute) {
  RECT frame{};
  if (!getAttribute ||
      FAILED(getAttribute(window, DWMWA_EXTENDED_FRAME_BOUNDS, &frame, sizeof frame))) {
    return std::nullopt;
  }
  return ToScreenRect(frame);
}

BOOL CALLBACK AddWindow(HWND window, LPARAM state) {
  auto& enumeration = *reinterpret_cast<Enumeration*>(state);
  RECT rect{};
  const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
  if (!::IsWindowVisible(window) || ::IsIconic(window) || (exStyle & WS_EX_TRANSPARENT) != 0 ||
      Cloaked(window, enumeration.getAttribute) || !::GetWindowRect(window, &rect)) {
    return TRUE;
  }
  const auto area =
      WindowCaptureArea(ToScreenRect(rect), VisibleFrame(window, enumeration.getAttribute));
  if (area && !IsEmpty(area->outer)) {
    enumeration.windows.push_back({reinterpret_cast<std::intptr_t>(window), area->outer});
  }
  return TRUE;
}

std::optional<ScreenRect> ClientOnScreen(HWND window) {
  RECT client{};
  POINT origin{0, 0};
  if (!::GetClientRect(window, &client) || !::ClientToScreen(window, &origin)) return std::nullopt;
  return Offset(ToScreenRect(client), origin.x, origin.y);
}

}  // namespace

// EnumWindows goes from the top of the z-order down.
std::vector<WindowArea> VisibleTopLevelWindows() {
  const ModuleHandle dwm = LoadSystemLibrary(L"dwmapi.dll");
  Enumeration enumeration{LibraryFunction<GetAttribute>(dwm, "DwmGetWindowAttribute"), {}};
  ::EnumWindows(&AddWindow, reinterpret_cast<LPARAM>(&enumeration));
  return std::move(enumeration.windows);
}

// Down through the children under the point, then what of the innermost one
// its parents' client areas leave visible.
std::optional<ScreenRect> WindowControls::ControlAt(std::intptr_t window, ScreenPoint point) {
  const auto top = reinterpret_cast<HWND>(window);
  if (!::IsWindow(top)) return std::nullopt;
  HWND control = top;
  for (;;) {
    POINT inside{point.x, point.y};
    if (!::ScreenToClient(control, &inside)) break;
    const HWND child =
        ::ChildWindowFromPointEx(control, inside, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == control) break;
    control = child;
  }
  RECT rect{};
  if (control == top || !::GetWindowRect(control, &rect)) return std::nullopt;
  std::optional<ScreenRect> visible = ToScreenRect(rect);
  for (HWND parent = ::GetParent(control); visible && parent; parent = ::GetParent(parent)) {
    const auto client = ClientOnScreen(parent);
    visible = client ? Intersection(*visible, *client) : std::nullopt;
    if (parent == top) break;
  }
  return visible;
}

}  // namespace kx::win
