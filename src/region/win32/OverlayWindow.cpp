#include "region/win32/OverlayWindow.h"

#include <utility>
#include <vector>

#include "base/ProductNames.h"
#include "base/win32/MessageDispatch.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"
#include "base/win32/WindowTable.h"
#include "region/RectMath.h"

namespace kx::win {
namespace {

using RegionHandle = UniqueHandle<GdiObjectTraits<HRGN>>;

using Overlays = WindowTable<OverlayWindow>;

std::wstring OverlayClassName() { return Utf8ToWide(kRegionOverlayClass); }

bool RegisterOverlayClass(HINSTANCE instance, WNDPROC procedure) {
  const std::wstring className = OverlayClassName();
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (::GetClassInfoExW(instance, className.c_str(), &windowClass)) return true;
  // A drawing context of its own goes with the window; a shared one would
  // keep the window's screen-sized surface alive under Wine once it is gone.
  windowClass.style = CS_DBLCLKS | CS_OWNDC;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = className.c_str();
  return ::RegisterClassExW(&windowClass) != 0;
}

Modifiers ModifiersNow() {
  return {::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_MENU) < 0};
}

Key KeyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_LEFT:
      return Key::Left;
    case VK_RIGHT:
      return Key::Right;
    case VK_UP:
      return Key::Up;
    case VK_DOWN:
      return Key::Down;
    case VK_SPACE:
      return Key::Space;
    case VK_RETURN:
      return Key::Enter;
    case VK_ESCAPE:
      return Key::Escape;
    case 'M':
    case VK_TAB:
      return Key::Magnifier;
    case 'R':
      return Key::Recall;
    default:
      return Key::Other;
  }
}

const wchar_t* CursorOf(CursorShape shape) {
  switch (shape) {
    case CursorShape::Move:
      return IDC_SIZEALL;
    case CursorShape::SizeWE:
      return IDC_SIZEWE;
    case CursorShape::SizeNS:
      return IDC_SIZENS;
    case CursorShape::SizeNWSE:
      return IDC_SIZENWSE;
    case CursorShape::SizeNESW:
      return IDC_SIZENESW;
    case CursorShape::Cross:
      break;
  }
  return IDC_CROSS;
}

// The rectangles of the part of the window to paint.
std::vector<RECT> RectsOf(HRGN region, const RECT& bounds) {
  const DWORD size = region ? ::GetRegionData(region, 0, nullptr) : 0;
  if (size < sizeof(RGNDATAHEADER)) return {bounds};
  std::vector<std::uint8_t> storage(size);
  auto* data = reinterpret_cast<RGNDATA*>(storage.data());
  if (::GetRegionData(region, size, data) != size) return {bounds};
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  return std::vector<RECT>(rects, rects + data->rdh.nCount);
}

}  // namespace

OverlayWindow::OverlayWindow(const FrozenScreen& frozen, RegionSelector& selector,
                             OverlayPainter& painter, OverlayObserver* observer)
    : frozen_(frozen), selector_(selector), painter_(painter), observer_(observer) {}

OverlayWindow::~OverlayWindow() {
  if (hwnd_) {
    Overlays::Take(hwnd_);
    ::DestroyWindow(std::exchange(hwnd_, nullptr));
  }
  if (previousForeground_ && ::IsWindow(previousForeground_)) {
    ::SetForegroundWindow(previousForeground_);
  }
}

// Bound once the window exists; its creation messages need no object.
bool OverlayWindow::Show(HWND owner) {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (!RegisterOverlayClass(instance, &OverlayWindow::Procedure)) return false;
  const ScreenRect& area = frozen_.area;
  hwnd_ = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, OverlayClassName().c_str(), L"",
                            WS_POPUP, area.left, area.top, Width(area), Height(area), owner,
                            nullptr, instance, nullptr);
  if (!hwnd_) return false;
  Overlays::Bind(hwnd_, *this);
  shown_ = selector_.View();
  previousForeground_ = ::GetForegroundWindow();
  ::ShowWindow(hwnd_, SW_SHOW);
  ::SetForegroundWindow(hwnd_);
  ::SetFocus(hwnd_);
  ::UpdateWindow(hwnd_);
  return true;
}

// A WM_QUIT ends the loop of whoever runs this one, after it.
void OverlayWindow::RunUntilEnd() {
  MSG message{};
  while (hwnd_ && selector_.End() == SelectorEnd::Running) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) ::PostQuitMessage(static_cast<int>(message.wParam));
      selector_.Cancel();
      break;
    }
    DispatchOwnMessage(message);
  }
  if (::GetCapture() == hwnd_) ::ReleaseCapture();
}

// No exception leaves the procedure: a failure cancels the choice.
LRESULT CALLBACK OverlayWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  OverlayWindow* const self = Overlays::Find(hwnd);
  if (self) {
    try {
      if (const std::optional<LRESULT> answer = self->OnMessage(message, wParam, lParam)) {
        return *answer;
      }
    } catch (...) {
      self->selector_.Cancel();
    }
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

std::optional<LRESULT> OverlayWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      selector_.PointerMove(ToScreen(lParam), ModifiersNow());
      break;
    case WM_LBUTTONDOWN:
      ::SetCapture(hwnd_);
      selector_.LeftDown(ToScreen(lParam), ModifiersNow());
      break;
    case WM_LBUTTONDBLCLK:
      ::SetCapture(hwnd_);
      selector_.DoubleClick(ToScreen(lParam), ModifiersNow());
      break;
    case WM_LBUTTONUP:
      selector_.LeftUp(ToScreen(lParam), ModifiersNow());
      if (!selector_.Dragging()) ::ReleaseCapture();
      break;
    case WM_RBUTTONDOWN:
      selector_.Cancel();
      break;
    case WM_MOUSEWHEEL:
      wheelRest_ += GET_WHEEL_DELTA_WPARAM(wParam);
      selector_.Wheel(wheelRest_ / WHEEL_DELTA);
      wheelRest_ %= WHEEL_DELTA;
      break;
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4) return std::nullopt;  // Alt+F4 closes, which cancels
      [[fallthrough]];
    case WM_KEYDOWN:
      OnKey(wParam);
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:  // kept from the system: Alt alone would open the window menu
      selector_.ModifiersChanged(ModifiersNow());
      break;
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) return std::nullopt;
      ::SetCursor(::LoadCursorW(nullptr, CursorOf(shown_.cursor)));
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_CLOSE:
    case WM_DISPLAYCHANGE:  // the frozen picture no longer fits the monitors
      selector_.Cancel();
      return 0;
    case WM_NCDESTROY:
      Overlays::Take(hwnd_);
      hwnd_ = nullptr;
      selector_.Cancel();
      return std::nullopt;
    default:
      return std::nullopt;
  }
  Refresh();
  return 0;
}

// Where the keyboard moved the pointer, the system's pointer follows.
void OverlayWindow::OnKey(WPARAM virtualKey) {
  const ScreenPoint before = selector_.Pointer();
  selector_.KeyDown(KeyOf(virtualKey), ModifiersNow());
  const ScreenPoint after = selector_.Pointer();
  if (after != before) ::SetCursorPos(after.x, after.y);
}

ScreenPoint OverlayWindow::ToScreen(LPARAM lParam) const {
  return {frozen_.area.left + static_cast<short>(LOWORD(lParam)),
          frozen_.area.top + static_cast<short>(HIWORD(lParam))};
}

void OverlayWindow::Refresh() {
  if (!hwnd_) return;
  OverlayView view = selector_.View();
  if (view == shown_) return;
  const bool cursorChanged = view.cursor != shown_.cursor;
  for (const ScreenRect& rect : DirtyRects(shown_, view, frozen_.area)) {
    const RECT client = {rect.left - frozen_.area.left, rect.top - frozen_.area.top,
                         rect.right - frozen_.area.left, rect.bottom - frozen_.area.top};
    ::InvalidateRect(hwnd_, &client, FALSE);
  }
  shown_ = std::move(view);
  if (cursorChanged) ::SetCursor(::LoadCursorW(nullptr, CursorOf(shown_.cursor)));
}

// The update region is read before BeginPaint empties it; painting goes rect
// by rect, since its bounds would be the whole screen for a crosshair.
void OverlayWindow::OnPaint() {
  const RegionHandle update(::CreateRectRgn(0, 0, 0, 0));
  const int kind = update ? ::GetUpdateRgn(hwnd_, update.get(), FALSE) : ERROR;
  PAINTSTRUCT paint{};
  const HDC dc = ::BeginPaint(hwnd_, &paint);
  if (!dc) return;
  std::int64_t pixels = 0;
  for (const RECT& rect : RectsOf(
           kind == SIMPLEREGION || kind == COMPLEXREGION ? update.get() : nullptr, paint.rcPaint)) {
    const ScreenRect part =
        Offset({rect.left, rect.top, rect.right, rect.bottom}, frozen_.area.left, frozen_.area.top);
    if (IsEmpty(part)) continue;
    painter_.Paint(dc, part, shown_);
    pixels += std::int64_t{Width(part)} * Height(part);
  }
  ::EndPaint(hwnd_, &paint);
  ::GdiFlush();
  if (observer_) observer_->OverlayPainted(pixels);
}

}  // namespace kx::win
