#include "support/MessagePump.h"

#include <windows.h>

namespace kx::test {

void PumpMessagesFor(std::chrono::milliseconds time) {
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + time;
  for (;;) {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    const auto now = Clock::now();
    if (now >= end) return;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now);
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()) + 1,
                                QS_ALLINPUT);
  }
}

}  // namespace kx::test
