#pragma once
// What the process knows about itself.

#include <string>
#include <string_view>

namespace kx::win {

// The argument part of the process command line, without the program's own
// path and the blanks after it.
std::string CommandLineText();
std::string CommandLineArguments(std::wstring_view fullCommandLine);

// The folder of the running exe, without a trailing "\" except at a drive root.
std::string ProgramDir();

}  // namespace kx::win
