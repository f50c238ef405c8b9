#include "hotkey/MKEY_PUSH.h"

#include "hotkey/clsMessage.h"

namespace kx {

std::intptr_t HookWindowProc(WindowServices& services, WindowHandle hWnd, std::uint32_t uMsg,
                             std::uintptr_t wParam, std::intptr_t lParam) {
  if (intKeyBusy != 0) return 0;
  // Held for the whole message: a target may detach the last reference.
  const auto hook = clsMessage::MessageClass(services, hWnd);
  if (!hook) return services.CallDefaultProcedure(hWnd, uMsg, wParam, lParam);
  return hook->CallBackWindow(hWnd, uMsg, wParam, lParam);
}

}  // namespace kx
