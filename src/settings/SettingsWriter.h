#pragma once
// Writes the settings record into the text of "Kaptorix.ini", keeping every
// line that holds no setting.

#include <string>
#include <string_view>
#include <vector>

#include "settings/CaptureSettings.h"

namespace kx {

// One line of the file: a tag and the value that the reader takes back.
struct SettingsLine {
  std::string_view tag;
  std::string value;
  bool addWhenMissing = true;  // false: only replaces a line of the tag
};

// The lines that hold `settings`, one per tag in tag order ("toStoreFile" is
// not kept in the file). Margins are written as two-character fields,
// zero-padded. A switch keeps the number that `existing`, the file's text,
// holds for it when that means the same (a hand-written 5 stays 5, as off).
// An optional tag (kOptionalTags) that holds its default is not added to a
// file that lacks it.
std::vector<SettingsLine> SettingsLines(const CaptureSettings& settings, std::string_view existing);

// `existing` with the given lines put in: the last line of a tag (the one the
// reader takes) is replaced in place and its earlier lines are dropped; a tag
// that does not occur is appended unless its line says otherwise. Lines without a tag are kept
// unchanged. Every line ends with CR LF. Works on bytes: the values must already be in the file's
// code page.
std::string MergeSettingsLines(std::string_view existing, const std::vector<SettingsLine>& lines);

// The two steps in one, for text in a single encoding.
std::string WriteSettings(std::string_view existing, const CaptureSettings& settings);

}  // namespace kx
