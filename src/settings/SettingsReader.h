#pragma once
// Reads the text of "Kaptorix.ini" into the settings record.

#include <cstddef>
#include <string_view>
#include <vector>

#include "settings/CaptureSettings.h"

namespace kx {

// A settings file longer than this is refused as unreadable: the settings
// program writes a few hundred bytes, and a file far beyond that is no
// settings file.
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{1} << 20;

// Lines end with CR LF, CR or LF; the line ends are not part of the lines.
std::vector<std::string_view> SplitLines(std::string_view text);

// Applies every tagged line to `settings` in file order, so a repeated tag
// takes its last value. Untagged lines are skipped; a number that cannot be
// held by its field leaves the field as it was. The "[HEAD]" columns count
// characters of the (UTF-8) text, not bytes.
void ReadSettings(std::string_view fileText, CaptureSettings& settings);

}  // namespace kx
