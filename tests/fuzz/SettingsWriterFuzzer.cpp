// Any bytes as "Kaptorix.ini": writing back what was read gives a file that
// reads to the same record whatever the record held before, keeps every line
// that holds no setting byte for byte and in order, holds each tag once, and
// is written again unchanged. Tags that older files lack are written only
// when the file had them (only then can they hold other than the default).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "FuzzCheck.h"
#include "settings/SettingsReader.h"
#include "settings/SettingsTags.h"
#include "settings/SettingsWriter.h"

namespace {

bool IsTagged(std::string_view line) {
  for (const auto& entry : kx::kSettingsTags) {
    if (line.substr(0, kx::kTagLength) == entry.first) return true;
  }
  return false;
}

bool IsOptional(std::string_view tag) {
  return std::find(kx::kOptionalTags.begin(), kx::kOptionalTags.end(), tag) !=
         kx::kOptionalTags.end();
}

std::size_t CountOf(std::string_view tag, const std::vector<std::string_view>& lines) {
  std::size_t count = 0;
  for (const std::string_view line : lines) count += line.substr(0, kx::kTagLength) == tag;
  return count;
}

std::vector<std::string_view> UntaggedLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (const std::string_view line : kx::SplitLines(text)) {
    if (!IsTagged(line)) lines.push_back(line);
  }
  return lines;
}

using kx::fuzz::Check;

template <typename Value>
void ChangeValue(Value& value) {
  if constexpr (std::is_same_v<Value, std::string>) {
    value.push_back('~');
  } else if constexpr (std::is_same_v<Value, bool>) {
    value = !value;
  } else {
    value = static_cast<Value>(static_cast<std::int32_t>(value) ^ 1);
  }
}

// Optional fields change only where `written` has their line.
kx::CaptureSettings OtherInEveryField(const kx::CaptureSettings& settings,
                                      const std::vector<std::string_view>& written) {
  kx::CaptureSettings other = settings;
  for (const auto& [tag, field] : kx::kSettingsTags) {
    if (IsOptional(tag) && CountOf(tag, written) == 0) continue;
    std::visit(
        [&](auto member) {
          using Member = decltype(member);
          if constexpr (std::is_same_v<Member, kx::MarginsField>) {
            for (std::int16_t* margin :
                 {&other.marginLeft, &other.marginRight, &other.marginTop, &other.marginBottom}) {
              ChangeValue(*margin);
            }
          } else if constexpr (std::is_same_v<Member, kx::ExtensionField>) {
            other.extension = settings.extension == ".bmp" ? ".BMP" : ".bmp";
          } else {
            ChangeValue(other.*member);
          }
        },
        field);
  }
  return other;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kx::CaptureSettings read = kx::DefaultCaptureSettings("C:\\Kx");
  kx::ReadSettings(text, read);

  const std::string written = kx::WriteSettings(text, read);
  const std::vector<std::string_view> lines = kx::SplitLines(written);
  // Read into a record that differs in every kept field: each must come from the file.
  kx::CaptureSettings reread = OtherInEveryField(read, lines);
  kx::ReadSettings(written, reread);
  Check(reread == read);

  const std::vector<std::string_view> kept = UntaggedLines(text);
  Check(UntaggedLines(written) == kept);
  const std::vector<std::string_view> given = kx::SplitLines(text);
  std::size_t tagged = 0;
  for (const auto& entry : kx::kSettingsTags) {
    const std::size_t expected = !IsOptional(entry.first) || CountOf(entry.first, given) != 0;
    Check(CountOf(entry.first, lines) == expected);
    tagged += expected;
  }
  Check(lines.size() == kept.size() + tagged);
  // Every line ends with CR LF, and no line break is added inside a line.
  std::size_t breaks = 0;
  for (std::size_t at = 0; (at = written.find_first_of("\r\n", at)) != std::string::npos;) {
    Check(written.compare(at, 2, "\r\n") == 0);
    at += 2;
    ++breaks;
  }
  Check(breaks == lines.size());

  Check(kx::WriteSettings(written, read) == written);
  return 0;
}
