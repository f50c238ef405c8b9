#pragma once
// Dispatching the messages the program's own loops take from the queue.

#include <windows.h>

namespace kx::win {

// Translates and dispatches the message, except a timer message to a window
// that names a callback in lParam: the program's window timers have none, so
// it was posted by someone, and dispatching it would call that address.
void DispatchOwnMessage(const MSG& message);

}  // namespace kx::win
