#pragma once
// Whole-file reads and plain-file tests on UTF-8 paths.

#include <optional>
#include <string>

namespace kx::win {

// True when a file exists that is neither a folder nor hidden nor a system file.
bool PlainFileExists(const std::string& path);

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

}  // namespace kx::win
