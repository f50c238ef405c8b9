#pragma once
// Finding, reading and closing the windows of another process.

#include <windows.h>

#include <string>
#include <vector>

namespace kx::e2e {

inline constexpr DWORD kWindowTimeoutMs = 10000;

// The process's top-level windows, visible or not.
std::vector<HWND> TopLevelWindows(DWORD processId);

// The first top-level window of the process whose caption is `title` (and
// whose class is `className`, when given), waiting up to `timeoutMs`; null
// when none appeared.
HWND WaitForWindow(DWORD processId, const std::string& title, DWORD timeoutMs = kWindowTimeoutMs,
                   const wchar_t* className = nullptr);

// The first top-level window of the process of that class, waiting up to
// `timeoutMs`; null when none appeared.
HWND WaitForClass(DWORD processId, const wchar_t* className, DWORD timeoutMs = kWindowTimeoutMs);

// True when the window is gone within the time.
bool WaitForWindowGone(HWND window, DWORD timeoutMs);

// Window texts through WM_GETTEXT, in UTF-8.
std::string WindowText(HWND window);
std::string ClassName(HWND window);
// The texts of the window's child windows, joined by "|".
std::string ChildTexts(HWND window);

// Message boxes: the text of the box, and a press of one of its buttons.
std::string MessageBoxText(HWND box);
void PressButton(HWND box, int id);
inline void PressOk(HWND box) { PressButton(box, IDOK); }

bool IsTopmost(HWND window);

}  // namespace kx::e2e
