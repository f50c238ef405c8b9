#pragma once
// Per-monitor DPI awareness of the calling thread, so that every coordinate
// is a physical pixel on monitors of different scale.

#include <windows.h>

namespace kx::win {

// The thread is per-monitor aware (version 2) while this lives, and then as
// before. Where the system lacks the call (before Windows 10 1607) the
// process keeps the awareness its manifest declares.
class ScopedPerMonitorDpi {
 public:
  ScopedPerMonitorDpi();
  ~ScopedPerMonitorDpi();
  ScopedPerMonitorDpi(const ScopedPerMonitorDpi&) = delete;
  ScopedPerMonitorDpi& operator=(const ScopedPerMonitorDpi&) = delete;

 private:
  using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
  SetContext set_ = nullptr;
  DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

}  // namespace kx::win
