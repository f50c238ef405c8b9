#pragma once

#include <windows.h>
#include <winspool.h>

#include "base/win32/ScopedWin.h"

namespace kx::win {

struct PrinterHandleTraits {  // OpenPrinter
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ::ClosePrinter(h); }
};

using PrinterHandle = UniqueHandle<PrinterHandleTraits>;

}  // namespace kx::win
