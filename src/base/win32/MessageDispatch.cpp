#include "base/win32/MessageDispatch.h"

namespace kx::win {
namespace {

constexpr UINT kSystemTimer = 0x0118;  // WM_SYSTIMER, which is dispatched like WM_TIMER

}  // namespace

void DispatchOwnMessage(const MSG& message) {
  const bool timer = message.message == WM_TIMER || message.message == kSystemTimer;
  if (timer && message.hwnd != nullptr && message.lParam != 0) return;
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

}  // namespace kx::win
