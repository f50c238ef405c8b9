#pragma once
// Whole-file reads and file and folder tests on UTF-8 paths.

#include <cstddef>
#include <optional>
#include <string>

namespace kx::win {

// True when a file exists that is neither a folder nor hidden nor a system file.
bool PlainFileExists(const std::string& path);

// True when a file exists that is not a folder, whatever its other attributes.
bool FileExists(const std::string& path);

// True when `path` names an existing folder. A path ending in a separator
// names none, nor does a name with wildcard characters.
bool DirectoryExists(const std::string& path);

// The file's bytes, or nothing when it cannot be opened or read or holds more
// than `maxBytes`. The file is opened sharing reading, writing and deleting,
// so a file an editor holds open is read all the same.
[[nodiscard]] std::optional<std::string> ReadFileBytes(const std::string& path,
                                                       std::size_t maxBytes);

}  // namespace kx::win
