#include "base/win32/TopLevelWindows.h"

#include <string>

#include "base/ProductNames.h"
#include "base/win32/Strconv.h"

namespace kx::win {
namespace {

// Long enough for a resident busy with an action that still answers
// messages; a window that the system takes for hung is passed over at once.
// The caller answers what is sent to it meanwhile, so two copies asking each
// other do not wait for each other.
constexpr UINT kAnswerTimeoutMs = 2000;

bool AnswersAsResident(HWND window, UINT message) {
  DWORD_PTR answer = 0;
  return ::SendMessageTimeoutW(window, message, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                               &answer) != 0 &&
         answer != 0;
}

}  // namespace

std::vector<HWND> TopLevelWindows(std::string_view className) {
  const std::wstring wideClass = Utf8ToWide(className);
  std::vector<HWND> windows;
  HWND window = nullptr;
  while ((window = ::FindWindowExW(nullptr, window, wideClass.c_str(), nullptr)) != nullptr) {
    windows.push_back(window);
  }
  return windows;
}

std::vector<HWND> ResidentWindows(HWND except) {
  const UINT message = ::RegisterWindowMessageW(Utf8ToWide(kResidentMessage).c_str());
  std::vector<HWND> residents;
  if (message == 0) return residents;
  for (const HWND window : TopLevelWindows(kMainWindowClass)) {
    if (window != except && AnswersAsResident(window, message)) residents.push_back(window);
  }
  return residents;
}

}  // namespace kx::win
