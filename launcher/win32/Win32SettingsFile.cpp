#include "launcher/win32/Win32SettingsFile.h"

#include "base/win32/Files.h"
#include "base/win32/Strconv.h"
#include "launcher/win32/AtomicFile.h"
#include "settings/SettingsReader.h"
#include "settings/SettingsWriter.h"

namespace kx::win {

bool Win32SettingsFile::Exists() { return PlainFileExists(path_); }

std::optional<std::string> Win32SettingsFile::Read() {
  const std::optional<std::string> bytes = ReadFileBytes(path_, kMaxSettingsFileBytes);
  if (!bytes) return std::nullopt;
  return AnsiToUtf8(*bytes);
}

WriteOutcome Win32SettingsFile::Write(const CaptureSettings& settings) {
  std::string existing;
  if (Exists()) {
    // A file that cannot be read is not replaced: its other lines would be lost.
    std::optional<std::string> bytes = ReadFileBytes(path_, kMaxSettingsFileBytes);
    if (!bytes) return WriteOutcome::Failed;
    existing = std::move(*bytes);
  }
  std::vector<SettingsLine> lines = SettingsLines(settings, existing);
  for (SettingsLine& line : lines) {
    std::optional<std::string> ansi = Utf8ToAnsiExact(line.value);
    if (!ansi) return WriteOutcome::NotEncodable;
    line.value = std::move(*ansi);
  }
  return ReplaceFileContents(path_, MergeSettingsLines(existing, lines)) ? WriteOutcome::Written
                                                                         : WriteOutcome::Failed;
}

bool Win32SettingsProbe::FolderExists(const std::string& path) { return DirectoryExists(path); }

bool Win32SettingsProbe::FitsFileCodePage(std::string_view text) {
  return Utf8ToAnsiExact(text).has_value();
}

}  // namespace kx::win
