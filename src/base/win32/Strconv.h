#pragma once
// Text is UTF-8 inside the program; these convert at the system boundary:
// UTF-16 for the wide calls, the ANSI code page (CP_ACP) for files that the
// system's 8-bit code page governs.

#include <optional>
#include <string>
#include <string_view>

namespace kx::win {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);

// The UTF-8 text in the ANSI code page, or nothing when a character has no
// exact counterpart there (it would come back as another character) or the
// text is no UTF-8.
[[nodiscard]] std::optional<std::string> Utf8ToAnsiExact(std::string_view utf8);

}  // namespace kx::win
