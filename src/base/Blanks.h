#pragma once
// Blanks as the settings and the command line know them: spaces and tabs.

#include <string_view>

namespace kx {

bool IsBlank(char c);

// The text without the blanks before and after it.
std::string_view TrimBlanks(std::string_view text);

}  // namespace kx
