#include "base/win32/TopLevelWindows.h"

#include <string>

#include "base/win32/Strconv.h"

namespace kx::win {

std::vector<HWND> TopLevelWindows(std::string_view className, std::string_view caption) {
  const std::wstring wideClass = Utf8ToWide(className);
  const std::wstring wideCaption = Utf8ToWide(caption);
  std::vector<HWND> windows;
  HWND window = nullptr;
  while ((window = ::FindWindowExW(nullptr, window, wideClass.c_str(), wideCaption.c_str())) !=
         nullptr) {
    windows.push_back(window);
  }
  return windows;
}

}  // namespace kx::win
