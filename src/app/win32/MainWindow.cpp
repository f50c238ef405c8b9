#include "app/win32/MainWindow.h"

#include "app/Twips.h"
#include "app/win32/ProcessInfo.h"
#include "app/win32/Win32StartupServices.h"

namespace kx::win {
namespace {

constexpr double kOffScreenTwips = -10000.0;

int RunMessageLoop() {
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {}

MainWindow::~MainWindow() {
  if (hwnd_) ::DestroyWindow(hwnd_);
}

int MainWindow::Run() {
  if (!Create() || !Load()) return 1;
  switch (plan_->course) {
    case Course::StoreRun:
    case Course::OptionRun:
      return 0;
    case Course::Resident:
      return RunMessageLoop();
  }
  return 0;
}

bool MainWindow::Create() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &MainWindow::WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (!::RegisterClassExW(&windowClass)) return false;

  hwnd_ = ::CreateWindowExW(0, kClassName, kCaption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                            CW_USEDEFAULT, 320, 240, nullptr, nullptr, instance_, this);
  return hwnd_ != nullptr;
}

// The load handler: start-up checks, settings, placement and the course.
bool MainWindow::Load() {
  Win32StartupServices services;
  plan_ = PlanStartup(CommandLineText(), ProgramDir(), services);
  if (!plan_) return false;
  if (plan_->showMainWindow) {
    ::ShowWindow(hwnd_, SW_SHOWNORMAL);
    ::UpdateWindow(hwnd_);
  } else {
    PlaceOffScreen();
  }
  return true;
}

void MainWindow::PlaceOffScreen() {
  const HDC screen = ::GetDC(nullptr);
  const double perPixelX = TwipsPerPixel(::GetDeviceCaps(screen, LOGPIXELSX));
  const double perPixelY = TwipsPerPixel(::GetDeviceCaps(screen, LOGPIXELSY));
  ::ReleaseDC(nullptr, screen);
  const int x = TwipsToPixels(kOffScreenTwips, perPixelX).value_or(0);
  const int y = TwipsToPixels(kOffScreenTwips, perPixelY).value_or(0);
  ::SetWindowPos(hwnd_, nullptr, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

// The unload handler: releases what the resident mode holds.
void MainWindow::Unload() {}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && message == WM_DESTROY) {
    self->Unload();
    self->hwnd_ = nullptr;
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace kx::win
