#include "e2e/harness/WindowProbe.h"

#include "base/win32/Strconv.h"

namespace kx::e2e {
namespace {

constexpr UINT kSendTimeoutMs = 2000;
constexpr int kMessageBoxTextId = 0xFFFF;

struct Search {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId) search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
  Search search{processId, {}};
  ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(DWORD processId, const std::string& title, DWORD timeoutMs,
                   const wchar_t* className) {
  const DWORD start = ::GetTickCount();
  do {
    for (HWND window : TopLevelWindows(processId)) {
      if (WindowText(window) != title) continue;
      if (className && win::Utf8ToWide(ClassName(window)) != className) continue;
      return window;
    }
    ::Sleep(20);
  } while (::GetTickCount() - start < timeoutMs);
  return nullptr;
}

HWND WaitForClass(DWORD processId, const wchar_t* className, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  do {
    for (HWND window : TopLevelWindows(processId)) {
      if (win::Utf8ToWide(ClassName(window)) == className) return window;
    }
    ::Sleep(20);
  } while (::GetTickCount() - start < timeoutMs);
  return nullptr;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  while (::IsWindow(window)) {
    if (::GetTickCount() - start >= timeoutMs) return false;
    ::Sleep(10);
  }
  return true;
}

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &length)) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
  text.resize(copied);
  return win::WideToUtf8(text);
}

std::string ClassName(HWND window) {
  wchar_t name[256] = {};
  ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return win::WideToUtf8(name);
}

std::string ChildTexts(HWND window) {
  std::vector<HWND> children;
  ::EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
  std::string texts;
  for (HWND child : children) {
    if (!texts.empty()) texts += "|";
    texts += WindowText(child);
  }
  return texts;
}

std::string MessageBoxText(HWND box) {
  const HWND text = ::GetDlgItem(box, kMessageBoxTextId);
  return text ? WindowText(text) : std::string();
}

void PressButton(HWND box, int id) {
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(box, id)));
}

bool IsTopmost(HWND window) {
  return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace kx::e2e
