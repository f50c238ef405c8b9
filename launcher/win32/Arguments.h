#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kx::win {

// The arguments after the program's name, split and unquoted as Windows
// programs do (CommandLineToArgvW), in UTF-8.
std::vector<std::string> SplitArguments(std::wstring_view commandLine);

}  // namespace kx::win
