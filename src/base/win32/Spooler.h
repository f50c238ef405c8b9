#pragma once
// The print spooler's calls, from winspool.drv in the system folder. A
// spooler or a call that the system lacks answers as the call does when it
// fails: no printers, no default printer, no printer opened.

#include <windows.h>
#include <winspool.h>

#include <memory>
#include <string>

#include "base/win32/ScopedWin.h"

namespace kx::win {

// Closes an open printer with the ClosePrinter of the spooler that opened it.
struct PrinterCloser {
  decltype(&::ClosePrinter) close = nullptr;
  void operator()(HANDLE printer) const noexcept {
    if (close) close(printer);
  }
};
using PrinterHandle = std::unique_ptr<void, PrinterCloser>;

class Spooler {
 public:
  Spooler();

  BOOL EnumPrinters(DWORD flags, DWORD level, BYTE* buffer, DWORD size, DWORD* needed,
                    DWORD* returned) const;
  BOOL GetDefaultPrinter(wchar_t* buffer, DWORD* size) const;
  // Empty when the printer cannot be opened. The spooler must outlive it.
  PrinterHandle OpenPrinter(std::wstring& name) const;
  LONG DocumentProperties(HANDLE printer, std::wstring& name, DEVMODEW* output, DEVMODEW* input,
                          DWORD mode) const;

 private:
  ModuleHandle module_;
  decltype(&::EnumPrintersW) enumPrinters_;
  decltype(&::GetDefaultPrinterW) getDefaultPrinter_;
  decltype(&::OpenPrinterW) openPrinter_;
  decltype(&::ClosePrinter) closePrinter_;
  decltype(&::DocumentPropertiesW) documentProperties_;
};

}  // namespace kx::win
