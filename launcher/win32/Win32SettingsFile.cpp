#include "launcher/win32/Win32SettingsFile.h"

#include <windows.h>

#include "base/ProductNames.h"
#include "base/win32/Files.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"
#include "launcher/win32/AtomicFile.h"
#include "settings/SettingsReader.h"
#include "settings/SettingsWriter.h"

namespace kx::win {
namespace {

constexpr DWORD kTurnTimeoutMs = 10000;

class MutexTurn final : public WriterTurn {
 public:
  explicit MutexTurn(KernelHandle mutex) : mutex_(std::move(mutex)) {}
  ~MutexTurn() override { ::ReleaseMutex(mutex_.get()); }
  MutexTurn(const MutexTurn&) = delete;
  MutexTurn& operator=(const MutexTurn&) = delete;

 private:
  KernelHandle mutex_;
};

}  // namespace

// A turn whose holder ended without giving it back is taken all the same:
// the file was replaced as a whole or not at all.
std::unique_ptr<WriterTurn> Win32SettingsFile::TakeTurn() {
  KernelHandle mutex(::CreateMutexW(nullptr, FALSE, Utf8ToWide(kSettingsWriterMutex).c_str()));
  if (!mutex) return nullptr;
  const DWORD waited = ::WaitForSingleObject(mutex.get(), kTurnTimeoutMs);
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) return nullptr;
  return std::make_unique<MutexTurn>(std::move(mutex));
}

bool Win32SettingsFile::Exists() { return FileExists(path_); }

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
  // A hidden or system file stays so; the new file is an ordinary one.
  const DWORD attributes = ::GetFileAttributesW(Utf8ToWide(path_).c_str());
  if (!ReplaceFileContents(path_, MergeSettingsLines(existing, lines))) return WriteOutcome::Failed;
  constexpr DWORD kKept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                          FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  const DWORD kept = attributes & kKept;
  if (attributes != INVALID_FILE_ATTRIBUTES && kept != FILE_ATTRIBUTE_ARCHIVE) {
    ::SetFileAttributesW(Utf8ToWide(path_).c_str(), kept == 0 ? FILE_ATTRIBUTE_NORMAL : kept);
  }
  return WriteOutcome::Written;
}

bool Win32SettingsProbe::FolderExists(const std::string& path) { return DirectoryExists(path); }

bool Win32SettingsProbe::FitsFileCodePage(std::string_view text) {
  return Utf8ToAnsiExact(text).has_value();
}

}  // namespace kx::win
