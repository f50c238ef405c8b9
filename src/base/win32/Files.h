#pragma once
// Whole-file reads and file and folder tests on UTF-8 paths.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace kx::win {

inline constexpr std::uint32_t kDirectoryAttribute = FILE_ATTRIBUTE_DIRECTORY;  // 16

// True when a file exists that is neither a folder nor hidden nor a system file.
bool PlainFileExists(const std::string& path);

// The name (last component) of the entry that `path` finds when its
// attributes share a bit with `attributeMask`; else the empty text. A path
// ending in "\" finds nothing; wildcards search, and the first match decides.
std::string DirectoryEntryName(const std::string& path, std::uint32_t attributeMask);

// True when `path` names an existing folder. A name with wildcard characters
// names none, whatever a search with it would find.
bool DirectoryExists(const std::string& path);

// The file's bytes, or nothing when it cannot be opened or read or holds more
// than `maxBytes`. The file is opened sharing reading, writing and deleting,
// so a file an editor holds open is read all the same.
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes);

}  // namespace kx::win
