#pragma once
// Top-level windows found by their class, and the resident copies' main windows.

#include <windows.h>

#include <string_view>
#include <vector>

namespace kx::win {

// Every top-level window of the class (UTF-8), in Z order.
std::vector<HWND> TopLevelWindows(std::string_view className);

// The main windows of the resident copies of Kaptorix_Key.exe, other than
// `except`: those of kMainWindowClass that answer kResidentMessage. The caption
// plays no part, as any process can change it. A window that does not answer
// in time counts as no resident's.
std::vector<HWND> ResidentWindows(HWND except = nullptr);

}  // namespace kx::win
