#include "hotkey/HookWindowProc.h"

#include "hotkey/KeyBusy.h"
#include "hotkey/MessageHook.h"

namespace kx {

std::intptr_t HookWindowProc(WindowServices& services, WindowHandle window, std::uint32_t message,
                             std::uintptr_t wParam, std::intptr_t lParam) {
  if (KeyBusy()) return 0;
  // Held for the whole message: a target may detach the last reference.
  const auto hook = MessageHook::HookOf(services, window);
  if (!hook) return services.CallDefaultProcedure(window, message, wParam, lParam);
  return hook->Route(window, message, wParam, lParam);
}

}  // namespace kx
