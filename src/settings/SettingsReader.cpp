#include "settings/SettingsReader.h"

#include <functional>
#include <type_traits>

#include "base/LenientNumber.h"
#include "base/ProductNames.h"
#include "settings/SettingsTags.h"

namespace kx {
namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The byte offset of character `index` of UTF-8 text (its size when the text
// is shorter).
std::size_t ByteOffsetOf(std::string_view text, std::size_t index) {
  std::size_t offset = 0;
  for (std::size_t seen = 0; offset < text.size(); ++offset) {
    if (!IsContinuationByte(text[offset]) && seen++ == index) return offset;
  }
  return offset;
}

// Up to `count` characters of UTF-8 text from character `first` on.
std::string_view Characters(std::string_view text, std::size_t first, std::size_t count) {
  const std::size_t begin = ByteOffsetOf(text, first);
  const std::size_t end = begin + ByteOffsetOf(text.substr(begin), count);
  return text.substr(begin, end - begin);
}

void ApplyValue(const SettingsField& field, std::string_view value, std::string_view line,
                CaptureSettings& settings) {
  std::visit(
      [&](const auto& target) {
        using Target = std::decay_t<decltype(target)>;
        if constexpr (std::is_same_v<Target, std::int32_t CaptureSettings::*>) {
          if (const auto number = ReadStrictNumber(value)) {
            if (const auto rounded = RoundToInt32(*number)) settings.*target = *rounded;
          }
        } else if constexpr (std::is_same_v<Target, std::string CaptureSettings::*>) {
          settings.*target = std::string(value);
        } else if constexpr (std::is_same_v<Target, bool CaptureSettings::*>) {
          if (const auto rounded = RoundToInt16(ReadLenientNumber(value))) {
            settings.*target = *rounded == 1;
          }
        } else if constexpr (std::is_member_object_pointer_v<Target>) {
          using Value = std::remove_reference_t<decltype(settings.*target)>;
          if (const auto rounded = RoundToInt16(ReadLenientNumber(value))) {
            settings.*target = static_cast<Value>(*rounded);
          }
        } else if constexpr (std::is_same_v<Target, MarginsField>) {
          std::int16_t* margins[] = {&settings.marginLeft, &settings.marginRight,
                                     &settings.marginTop, &settings.marginBottom};
          for (std::size_t i = 0; i < kMarginOffsets.size(); ++i) {
            const std::string_view digits = Characters(line, kMarginOffsets[i], kMarginWidth);
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

// Calls `visit` with each line in turn; line ends as SplitLines takes them.
void ForEachLine(std::string_view text, const std::function<void(std::string_view)>& visit) {
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      visit(text.substr(start));
      break;
    }
    visit(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  ForEachLine(text, [&](std::string_view line) { lines.push_back(line); });
  return lines;
}

// Line by line, with no list of lines: a file of many short lines costs no
// memory beyond its text.
void ReadSettings(std::string_view fileText, CaptureSettings& settings) {
  ForEachLine(fileText, [&](std::string_view line) {
    if (line.size() < kTagLength) return;
    const std::string_view tag = line.substr(0, kTagLength);
    for (const auto& [name, field] : kSettingsTags) {
      if (name == tag) {
        ApplyValue(field, line.substr(kTagLength), line, settings);
        return;
      }
    }
  });
}

}  // namespace kx
