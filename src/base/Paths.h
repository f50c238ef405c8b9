#pragma once
// Paths as the system writes them.

#include <string>
#include <string_view>

namespace kx {

// The path of a file in a folder: the folder, "\" unless it ends in one
// already, and the name.
std::string JoinPath(const std::string& folder, std::string_view name);

}  // namespace kx
