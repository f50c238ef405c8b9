#include "base/win32/PrinterList.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

#include "base/win32/Strconv.h"

namespace kx::win {

std::vector<std::string> InstalledPrinterNames() {
  constexpr DWORD kFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  DWORD needed = 0;
  DWORD count = 0;
  ::EnumPrintersW(kFlags, nullptr, 4, nullptr, 0, &needed, &count);
  if (needed == 0) return {};
  // PRINTER_INFO_4W records followed by their strings, suitably aligned.
  std::vector<PRINTER_INFO_4W> buffer(needed / sizeof(PRINTER_INFO_4W) + 1);
  const DWORD size = static_cast<DWORD>(buffer.size() * sizeof(PRINTER_INFO_4W));
  if (!::EnumPrintersW(kFlags, nullptr, 4, reinterpret_cast<BYTE*>(buffer.data()), size, &needed,
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
  DWORD length = 0;
  ::GetDefaultPrinterW(nullptr, &length);
  if (length == 0) return {};
  std::wstring name(length, L'\0');
  if (!::GetDefaultPrinterW(name.data(), &length)) return {};
  name.resize(length > 0 ? length - 1 : 0);
  return WideToUtf8(name);
}

}  // namespace kx::win
