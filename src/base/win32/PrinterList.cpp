#include "base/win32/PrinterList.h"

#include <vector>

#include "base/win32/Spooler.h"
#include "base/win32/Strconv.h"

namespace kx::win {

std::vector<std::string> InstalledPrinterNames() {
  constexpr DWORD kFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  const Spooler spooler;
  DWORD needed = 0;
  DWORD count = 0;
  spooler.EnumPrinters(kFlags, 4, nullptr, 0, &needed, &count);
  if (needed == 0) return {};
  // PRINTER_INFO_4W records followed by their strings, suitably aligned.
  std::vector<PRINTER_INFO_4W> buffer(needed / sizeof(PRINTER_INFO_4W) + 1);
  const DWORD size = static_cast<DWORD>(buffer.size() * sizeof(PRINTER_INFO_4W));
  if (!spooler.EnumPrinters(kFlags, 4, reinterpret_cast<BYTE*>(buffer.data()), size, &needed,
                            &count)) {
    return {};
  }
  std::vector<std::string> names;
  for (DWORD i = 0; i < count; ++i) {
    if (buffer[i].pPrinterName) names.push_back(WideToUtf8(buffer[i].pPrinterName));
  }
  return names;
}

std::string DefaultPrinterName() {
  const Spooler spooler;
  DWORD length = 0;
  spooler.GetDefaultPrinter(nullptr, &length);
  if (length == 0) return {};
  std::wstring name(length, L'\0');
  if (!spooler.GetDefaultPrinter(name.data(), &length)) return {};
  name.resize(length > 0 ? length - 1 : 0);
  return WideToUtf8(name);
}

}  // namespace kx::win
