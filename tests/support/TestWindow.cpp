#include "support/TestWindow.h"

namespace kx::win::test {
namespace {

constexpr const wchar_t* kClassName = L"KxHotkeyTestWindow";

void RegisterWindowClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  ::RegisterClassExW(&windowClass);  // fails harmlessly once it exists
}

}  // namespace

TestWindow::TestWindow() {
  RegisterWindowClass();
  hwnd_ = ::CreateWindowExW(0, kClassName, L"hotkey test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                            nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, OwnProcedure());
}

TestWindow::~TestWindow() {
  if (hwnd_) ::DestroyWindow(hwnd_);
}

std::vector<SeenMessage> TestWindow::Seen(UINT message) const {
  std::vector<SeenMessage> matching;
  for (const SeenMessage& seen : seen_) {
    if (seen.message == message) matching.push_back(seen);
  }
  return matching;
}

LONG_PTR TestWindow::CurrentProcedure() const { return ::GetWindowLongPtrW(hwnd_, GWLP_WNDPROC); }

LONG_PTR TestWindow::OwnProcedure() { return reinterpret_cast<LONG_PTR>(&Procedure); }

LRESULT CALLBACK TestWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TestWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self) self->seen_.push_back({message, wParam, lParam});
  if (message >= WM_USER) return kOwnResult;
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  while (!done()) {
    const ULONGLONG now = ::GetTickCount64();
    if (now >= end) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
  return true;
}

}  // namespace kx::win::test
