#include "hotkey/win32/Win32HotKeyService.h"

#include "hotkey/win32/Win32WindowServices.h"

namespace kx::win {

bool Win32HotKeyService::Register(WindowHandle window, std::int32_t id, std::int32_t modifiers,
                                  std::int32_t virtualKey) {
  return ::RegisterHotKey(ToHwnd(window), id, static_cast<UINT>(modifiers),
                          static_cast<UINT>(virtualKey)) != FALSE;
}

void Win32HotKeyService::Unregister(WindowHandle window, std::int32_t id) {
  ::UnregisterHotKey(ToHwnd(window), id);
}

}  // namespace kx::win
