#include "notices/win32/Screen.h"

#include <windows.h>

#include "base/win32/ScopedWin.h"

namespace kx::win {

ScreenResolution CurrentScreenResolution() {
  const WindowDc screen = WindowDc::Client(nullptr);
  return {::GetDeviceCaps(screen.get(), LOGPIXELSX), ::GetDeviceCaps(screen.get(), LOGPIXELSY)};
}

PixelSize PrimaryScreenSize() {
  return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace kx::win
