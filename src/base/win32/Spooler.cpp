#include "base/win32/Spooler.h"

#include "base/win32/SystemLibrary.h"

namespace kx::win {

Spooler::Spooler()
    : module_(LoadSystemLibrary(L"winspool.drv")),
      enumPrinters_(LibraryFunction<decltype(&::EnumPrintersW)>(module_, "EnumPrintersW")),
      getDefaultPrinter_(
          LibraryFunction<decltype(&::GetDefaultPrinterW)>(module_, "GetDefaultPrinterW")),
      openPrinter_(LibraryFunction<decltype(&::OpenPrinterW)>(module_, "OpenPrinterW")),
      closePrinter_(LibraryFunction<decltype(&::ClosePrinter)>(module_, "ClosePrinter")),
      documentProperties_(
          LibraryFunction<decltype(&::DocumentPropertiesW)>(module_, "DocumentPropertiesW")) {}

BOOL Spooler::EnumPrinters(DWORD flags, DWORD level, BYTE* buffer, DWORD size, DWORD* needed,
                           DWORD* returned) const {
  if (!enumPrinters_) return FALSE;
  return enumPrinters_(flags, nullptr, level, buffer, size, needed, returned);
}

BOOL Spooler::GetDefaultPrinter(wchar_t* buffer, DWORD* size) const {
  if (!getDefaultPrinter_) return FALSE;
  return getDefaultPrinter_(buffer, size);
}

PrinterHandle Spooler::OpenPrinter(std::wstring& name) const {
  HANDLE printer = nullptr;
  if (!openPrinter_ || !closePrinter_ || !openPrinter_(name.data(), &printer, nullptr)) {
    return PrinterHandle(nullptr, PrinterCloser{});
  }
  return PrinterHandle(printer, PrinterCloser{closePrinter_});
}

LONG Spooler::DocumentProperties(HANDLE printer, std::wstring& name, DEVMODEW* output,
                                 DEVMODEW* input, DWORD mode) const {
  if (!documentProperties_) return -1;
  return documentProperties_(nullptr, printer, name.data(), output, input, mode);
}

}  // namespace kx::win
