#include "hotkey/HookWindowProc.h"

#include "base/KeyBusy.h"
#include "hotkey/MessageHook.h"

namespace kx {
namespace {

// What must still take effect while an action runs, and the registered
// messages, by which other programs ask what the window is.
bool GoesOnWhileBusy(std::uint32_t message) {
  return message == kWmClose || message == kWmQueryEndSession || message == kWmEndSession ||
         (message >= kFirstRegisteredMessage && message <= kLastRegisteredMessage);
}

std::intptr_t Dispatch(WindowServices& services, WindowHandle window, std::uint32_t message,
                       std::uintptr_t wParam, std::intptr_t lParam) {
  if (message == kWmNcCreate) return 0;
  if (KeyBusy() && !GoesOnWhileBusy(message)) {
    if (message == kWmPaint) return services.CallDefaultProcedure(window, message, wParam, lParam);
    return 0;
  }
  // Held for the whole message: a target may detach the last reference.
  const auto hook = MessageHook::HookOf(window);
  if (!hook) return services.CallDefaultProcedure(window, message, wParam, lParam);
  return hook->Route(window, message, wParam, lParam);
}

}  // namespace

std::intptr_t HookWindowProc(WindowServices& services, WindowHandle window, std::uint32_t message,
                             std::uintptr_t wParam, std::intptr_t lParam) noexcept {
  try {
    return Dispatch(services, window, message, wParam, lParam);
  } catch (...) {
    return services.CallDefaultProcedure(window, message, wParam, lParam);
  }
}

}  // namespace kx
