#pragma once
// Text in the system ANSI code page, the code page of "Kaptorix.ini".

#include <optional>
#include <string>
#include <string_view>

namespace kx::win {

// The UTF-8 text in the ANSI code page, or nothing when a character has no
// exact counterpart there (it would come back as another character).
std::optional<std::string> Utf8ToAnsiExact(std::string_view utf8);

}  // namespace kx::win
