#pragma once
// Top-level windows found by their class and caption.

#include <windows.h>

#include <string_view>
#include <vector>

namespace kx::win {

// Every top-level window of the class with the caption (both UTF-8), in Z
// order.
std::vector<HWND> TopLevelWindows(std::string_view className, std::string_view caption);

}  // namespace kx::win
