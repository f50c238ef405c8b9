#pragma once
// Folder paths as the settings hold them; "\" and "/" both separate.

#include <string>
#include <string_view>

namespace kx {

// "C:\" or "C:/".
bool IsDriveRoot(std::string_view path);

// From a drive's root ("C:\...") or from a share ("\\server\...").
bool IsAbsolute(std::string_view path);

// The path without the separators that end it; a drive's root keeps its own.
std::string WithoutTrailingSeparators(std::string_view path);

}  // namespace kx
