#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kx::win {

// Lets the user choose a folder, starting in `initial` when it exists;
// nothing when the user cancelled. COM must be initialised on this thread.
[[nodiscard]] std::optional<std::string> PickFolder(HWND owner, const std::string& initial);

}  // namespace kx::win
