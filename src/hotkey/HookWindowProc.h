#pragma once
// The window procedure that every hooked window is given.

#include <cstdint>

#include "hotkey/WindowServices.h"

namespace kx {

// While the busy flag (KeyBusy.h) is set, every message is answered with 0
// and goes nowhere. Otherwise the window's hook object routes it; a hooked
// window that has lost its hook object gets the system's default handling.
std::intptr_t HookWindowProc(WindowServices& services, WindowHandle window, std::uint32_t message,
                             std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace kx
