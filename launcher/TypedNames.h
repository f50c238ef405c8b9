#pragma once
// Names as a user types them on the command line or in the dialog: ASCII
// letters in either case; other bytes (UTF-8 sequences) as they stand.

#include <string_view>

namespace kx {

char LowerAscii(char c);

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);

// A value's name as typed: blanks and ASCII case do not count, so "page up"
// and "PageUp" both name "Page Up". Blanks alone name nothing.
bool SameName(std::string_view typed, std::string_view name);

}  // namespace kx
