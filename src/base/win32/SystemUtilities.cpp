#include "base/win32/SystemUtilities.h"

#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"

namespace kx::win {

std::string GetDirName(const std::string& path, std::uint32_t attributeMask) {
  WIN32_FIND_DATAW entry{};
  const FindHandle search(::FindFirstFileW(Utf8ToWide(path).c_str(), &entry));
  if (!search) return {};
  if ((entry.dwFileAttributes & attributeMask) == 0) return {};
  return WideToUtf8(entry.cFileName);
}

void ActiveWindowGet(HWND& window, std::string& title) {
  window = ::GetForegroundWindow();
  wchar_t buffer[128] = {};
  if (window) ::GetWindowTextW(window, buffer, static_cast<int>(std::size(buffer)));
  title = WideToUtf8(buffer);
}

void Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace kx::win
