#include "region/win32/DpiAwareness.h"

namespace kx::win {

// user32 is loaded in every program that shows a window; its handle needs no
// release. Through void (*)(): the one function pointer type that converts to
// any other.
ScopedPerMonitorDpi::ScopedPerMonitorDpi() {
  const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  if (!user32) return;
  set_ = reinterpret_cast<SetContext>(
      reinterpret_cast<void (*)()>(::GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
  if (set_) previous_ = set_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

ScopedPerMonitorDpi::~ScopedPerMonitorDpi() {
  if (set_ && previous_) set_(previous_);
}

}  // namespace kx::win
