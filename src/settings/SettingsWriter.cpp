#include "settings/SettingsWriter.h"

#include <algorithm>
#include <optional>
#include <type_traits>

#include "base/LenientNumber.h"
#include "base/ProductNames.h"
#include "settings/SettingsReader.h"
#include "settings/SettingsTags.h"

namespace kx {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string MarginText(std::int16_t millimetres) {
  std::string text = std::to_string(millimetres);
  if (text.size() < kMarginWidth) text.insert(0, kMarginWidth - text.size(), '0');
  return text;
}

std::string MarginsValue(const CaptureSettings& settings) {
  return MarginText(settings.marginLeft) + "," + MarginText(settings.marginRight) + "," +
         MarginText(settings.marginTop) + "," + MarginText(settings.marginBottom);
}

std::string ValueOf(const SettingsField& field, const CaptureSettings& settings) {
  return std::visit(
      [&](const auto& source) -> std::string {
        using Source = std::decay_t<decltype(source)>;
        if constexpr (std::is_same_v<Source, std::string CaptureSettings::*>) {
          return settings.*source;
        } else if constexpr (std::is_same_v<Source, MarginsField>) {
          return MarginsValue(settings);
        } else if constexpr (std::is_same_v<Source, ExtensionField>) {
          return settings.extension == kLowerCaseExtension ? "1" : "0";
        } else {
          return std::to_string(static_cast<std::int32_t>(settings.*source));
        }
      },
      field);
}

// The number that the reader takes for `tag`: that of its last line whose
// number fits.
std::optional<std::int16_t> HeldNumber(const std::vector<std::string_view>& lines,
                                       std::string_view tag) {
  std::optional<std::int16_t> held;
  for (const std::string_view line : lines) {
    if (line.substr(0, kTagLength) != tag) continue;
    if (const auto number = RoundToInt16(ReadLenientNumber(line.substr(kTagLength)))) {
      held = number;
    }
  }
  return held;
}

std::optional<std::string_view> TagOf(std::string_view line) {
  if (line.size() < kTagLength) return std::nullopt;
  const std::string_view head = line.substr(0, kTagLength);
  const auto known = std::find_if(kSettingsTags.begin(), kSettingsTags.end(),
                                  [&](const auto& entry) { return entry.first == head; });
  if (known == kSettingsTags.end()) return std::nullopt;
  return known->first;
}

}  // namespace

std::vector<SettingsLine> SettingsLines(const CaptureSettings& settings,
                                        std::string_view existing) {
  const CaptureSettings defaults;
  const std::vector<std::string_view> oldLines = SplitLines(existing);
  std::vector<SettingsLine> lines;
  lines.reserve(kSettingsTags.size());
  for (const auto& [tag, field] : kSettingsTags) {
    std::string value = ValueOf(field, settings);
    if (const auto* on = std::get_if<bool CaptureSettings::*>(&field)) {
      const std::optional<std::int16_t> held = HeldNumber(oldLines, tag);
      if (held && (*held == 1) == settings.**on) value = std::to_string(*held);
    }
    const bool optional =
        std::find(kOptionalTags.begin(), kOptionalTags.end(), tag) != kOptionalTags.end();
    const bool addWhenMissing = !optional || value != ValueOf(field, defaults);
    lines.push_back({tag, std::move(value), addWhenMissing});
  }
  return lines;
}

std::string MergeSettingsLines(std::string_view existing, const std::vector<SettingsLine>& lines) {
  const std::vector<std::string_view> oldLines = SplitLines(existing);

  // The index of the line the reader takes for each tag.
  std::vector<std::optional<std::size_t>> lastLineOf(lines.size());
  for (std::size_t i = 0; i < oldLines.size(); ++i) {
    const std::optional<std::string_view> tag = TagOf(oldLines[i]);
    if (!tag) continue;
    for (std::size_t n = 0; n < lines.size(); ++n) {
      if (lines[n].tag == *tag) lastLineOf[n] = i;
    }
  }

  std::string text;
  const auto append = [&](std::string_view tag, std::string_view value) {
    text.append(tag).append(value).append(kLineEnd);
  };
  for (std::size_t i = 0; i < oldLines.size(); ++i) {
    const std::optional<std::string_view> tag = TagOf(oldLines[i]);
    const auto replacing = std::find_if(lines.begin(), lines.end(),
                                        [&](const SettingsLine& line) { return tag == line.tag; });
    if (replacing == lines.end()) {
      append(oldLines[i], {});
    } else if (lastLineOf[static_cast<std::size_t>(replacing - lines.begin())] == i) {
      append(replacing->tag, replacing->value);
    }
  }
  for (std::size_t n = 0; n < lines.size(); ++n) {
    if (!lastLineOf[n] && lines[n].addWhenMissing) append(lines[n].tag, lines[n].value);
  }
  return text;
}

std::string WriteSettings(std::string_view existing, const CaptureSettings& settings) {
  return MergeSettingsLines(existing, SettingsLines(settings, existing));
}

}  // namespace kx
