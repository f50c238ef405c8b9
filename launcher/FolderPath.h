#pragma once
// Folder paths as the settings hold them; "\" and "/" both separate.

#include <string>
#include <string_view>

namespace kx {

// "C:\" or "C:/".
bool IsDriveRoot(std::string_view path);

// From a drive's root ("C:\...") or from a share ("\\server\...").
bool IsAbsolute(std::string_view path);

// The path without the blanks around it and the separators (and blanks) that
// end it; a drive's root keeps its own.
std::string TrimmedFolder(std::string_view path);

// True when a name in the path ends in a blank or a dot. The system drops
// those from the last name only, so such a folder is found and yet no file
// inside it can be written.
bool HasNameEndingInBlankOrDot(std::string_view path);

}  // namespace kx
