#include "settings/SettingsReader.h"

#include <type_traits>

#include "base/LenientNumber.h"
#include "base/ProductNames.h"
#include "settings/SettingsTags.h"

namespace kx {
namespace {

void ApplyValue(const SettingsField& field, std::string_view value, std::string_view line,
                CaptureSettings& settings) {
  std::visit(
      [&](const auto& target) {
        using Target = std::decay_t<decltype(target)>;
        if constexpr (std::is_same_v<Target, std::int32_t CaptureSettings::*>) {
          if (const auto number = ReadStrictNumber(value)) {
            if (const auto rounded = RoundToInt32(*number)) settings.*target = *rounded;
          }
        } else if constexpr (std::is_same_v<Target, std::int16_t CaptureSettings::*>) {
          if (const auto rounded = RoundToInt16(ReadLenientNumber(value))) {
            settings.*target = *rounded;
          }
        } else if constexpr (std::is_same_v<Target, std::string CaptureSettings::*>) {
          settings.*target = std::string(value);
        } else if constexpr (std::is_same_v<Target, MarginsField>) {
          std::int16_t* margins[] = {&settings.marginLeft, &settings.marginRight,
                                     &settings.marginTop, &settings.marginBottom};
          for (std::size_t i = 0; i < kMarginOffsets.size(); ++i) {
            const std::size_t offset = kMarginOffsets[i];
            const std::string_view digits =
                offset < line.size() ? line.substr(offset, kMarginWidth) : std::string_view();
            *margins[i] = RoundToInt16(ReadLenientNumber(digits)).value_or(0);
          }
        } else {
          static_assert(std::is_same_v<Target, ExtensionField>);
          if (const auto code = RoundToInt16(ReadLenientNumber(value))) {
            settings.extension = *code == 1 ? kLowerCaseExtension : kUpperCaseExtension;
          }
        }
      },
      field);
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

void ReadSettings(std::string_view fileText, CaptureSettings& settings) {
  for (const std::string_view line : SplitLines(fileText)) {
    if (line.size() < kTagLength) continue;
    const std::string_view tag = line.substr(0, kTagLength);
    for (const auto& [name, field] : kSettingsTags) {
      if (name == tag) {
        ApplyValue(field, line.substr(kTagLength), line, settings);
        break;
      }
    }
  }
}

}  // namespace kx
