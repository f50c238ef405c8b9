// Any bytes as "Kaptorix.ini": writing back what was read gives a file that
// reads to the same record whatever the record held before, keeps every line
// that holds no setting byte for byte and in order, holds each tag once, and
// is written again unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
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

std::vector<std::string_view> UntaggedLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (const std::string_view line : kx::SplitLines(text)) {
    if (!IsTagged(line)) lines.push_back(line);
  }
  return lines;
}

using kx::fuzz::Check;

kx::CaptureSettings OtherInEveryField(const kx::CaptureSettings& settings) {
  kx::CaptureSettings other = settings;
  other.hotKey ^= 1;
  for (std::string* text :
       {&other.saveFolder, &other.headerText, &other.filePrefix, &other.printer}) {
    text->push_back('~');
  }
  for (std::int16_t* number :
       {&other.colors, &other.printPercent, &other.headerLayout, &other.marginLeft,
        &other.marginRight, &other.marginTop, &other.marginBottom, &other.quality, &other.printDate,
        &other.invert, &other.alwaysSave, &other.orientation, &other.serialDigits, &other.cursor}) {
    *number = static_cast<std::int16_t>(*number ^ 1);
  }
  other.extension = settings.extension == ".bmp" ? ".BMP" : ".bmp";
  return other;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kx::CaptureSettings read = kx::DefaultCaptureSettings("C:\\Kx");
  kx::ReadSettings(text, read);

  const std::string written = kx::WriteSettings(text, read);
  // Read into a record that differs in every kept field: each must come from the file.
  kx::CaptureSettings reread = OtherInEveryField(read);
  kx::ReadSettings(written, reread);
  Check(reread == read);

  const std::vector<std::string_view> kept = UntaggedLines(text);
  Check(UntaggedLines(written) == kept);
  const std::vector<std::string_view> lines = kx::SplitLines(written);
  Check(lines.size() == kept.size() + kx::kSettingsTags.size());
  for (const auto& entry : kx::kSettingsTags) {
    std::size_t count = 0;
    for (const std::string_view line : lines)
      count += line.substr(0, kx::kTagLength) == entry.first;
    Check(count == 1);
  }
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
