#pragma once
// The window procedure that every hooked window is given.

#include <cstdint>

#include "hotkey/WindowServices.h"

namespace kx {

// Routes the message through the window's hook object; a hooked window that
// has lost its hook object gets the system's default handling.
//
// A creation message (WM_NCCREATE) never comes from the window's own creation,
// since a window is hooked only once it exists: it is answered with 0 and goes
// nowhere. While the busy flag (KeyBusy.h) is set, a paint request gets the
// system's default handling, which validates the window, and a close request
// or the end of the session goes its usual way, for the window to act on once
// the action has returned, as does a registered message (another program
// asking what the window is); every other message is answered with 0 and goes
// nowhere, so hot keys pressed meanwhile are lost, not queued.
//
// No exception leaves it: a failure falls back to the default handling.
std::intptr_t HookWindowProc(WindowServices& services, WindowHandle window, std::uint32_t message,
                             std::uintptr_t wParam, std::intptr_t lParam) noexcept;

}  // namespace kx
