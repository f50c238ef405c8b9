#include "e2e/harness/TestWindow.h"

#include "support/MessagePump.h"

namespace kx::e2e {
namespace {

constexpr const wchar_t* kClassName = L"KaptorixE2EWindow";

COLORREF ToColorRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace

TestWindow::TestWindow(int x, int y, int width, int height, std::uint32_t colour,
                       std::uint32_t stripe)
    : background_(::CreateSolidBrush(ToColorRef(colour))),
      stripe_(::CreateSolidBrush(ToColorRef(stripe))) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &TestWindow::Proc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  ::RegisterClassExW(&windowClass);
  window_.reset(::CreateWindowExW(0, kClassName, L"E2E", WS_POPUP, x, y, width, height, nullptr,
                                  nullptr, windowClass.hInstance, this));
  ::ShowWindow(window_.get(), SW_SHOW);
  ::SetForegroundWindow(window_.get());
  ::UpdateWindow(window_.get());
  test::PumpMessagesFor(std::chrono::milliseconds(200));
}

RECT TestWindow::Rect() const {
  RECT rect{};
  ::GetWindowRect(window_.get(), &rect);
  return rect;
}

LRESULT CALLBACK TestWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  const auto* self = reinterpret_cast<const TestWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_PAINT && self) {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd, &paint);
    RECT client{};
    ::GetClientRect(hwnd, &client);
    ::FillRect(dc, &client, self->background_.get());
    client.right /= 2;
    client.top = client.bottom / 4;
    client.bottom -= client.bottom / 4;
    ::FillRect(dc, &client, self->stripe_.get());
    ::EndPaint(hwnd, &paint);
    return 0;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace kx::e2e
