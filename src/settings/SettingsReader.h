#pragma once
// Reads the text of "Kaptorix.ini" into the settings record.

#include <string_view>
#include <vector>

#include "settings/CaptureSettings.h"

namespace kx {

// Lines end with CR LF, CR or LF; the line ends are not part of the lines.
std::vector<std::string_view> SplitLines(std::string_view text);

// Applies every tagged line to `settings` in file order, so a repeated tag
// takes its last value. Untagged lines are skipped; a number that cannot be
// held by its field leaves the field as it was.
void ReadSettings(std::string_view fileText, CaptureSettings& settings);

}  // namespace kx
