#pragma once
// Thin wrappers of the system: a directory-entry probe, the foreground window,
// and a blocking wait.

#include <windows.h>

#include <cstdint>
#include <string>

namespace kx::win {

inline constexpr std::uint32_t kDirectoryAttribute = FILE_ATTRIBUTE_DIRECTORY;  // 16

// The name (last component) of the entry that `path` finds when its
// attributes share a bit with `attributeMask`; else the empty text. A path
// ending in "\" finds nothing; wildcards search, and the first match decides.
std::string GetDirName(const std::string& path, std::uint32_t attributeMask);

// The foreground window (null when there is none) and its title, cut to 127
// characters.
void ActiveWindowGet(HWND& window, std::string& title);

// Blocks the calling thread.
void Sleep(std::uint32_t milliseconds);

}  // namespace kx::win
