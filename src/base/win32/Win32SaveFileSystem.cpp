#include "base/win32/Win32SaveFileSystem.h"

#include <windows.h>

#include <vector>

#include "base/ProductNames.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"

namespace kx::win {
namespace {

constexpr std::size_t kWriteBufferBytes = std::size_t{1} << 16;
constexpr int kUniqueDigits = kTemporaryFileDigits;
constexpr int kNameAttempts = 100;
// A file being replaced may still be open for a moment: another save that has
// just moved its own file there, or a reader. The replace is tried again
// meanwhile.
constexpr ULONGLONG kReplaceWaitMs = 1000;
constexpr DWORD kReplaceRetryMs = 50;

bool TargetHeld(DWORD error) {
  return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
}

std::wstring InFolder(const std::wstring& folder, std::wstring_view name) {
  const bool bare = folder.empty() || folder.back() == L'\\' || folder.back() == L'/' ||
                    (folder.size() == 2 && folder[1] == L':');
  return folder + (bare ? L"" : L"\\") + std::wstring(name);
}

std::wstring Prefix() { return Utf8ToWide(kTemporaryFilePrefix); }
std::wstring Extension() { return Utf8ToWide(kTemporaryFileExtension); }

std::wstring TemporaryName(std::uint64_t unique) {
  std::wstring digits(kUniqueDigits, L'0');
  for (int i = kUniqueDigits - 1; i >= 0; --i, unique >>= 4) {
    digits[static_cast<std::size_t>(i)] = L"0123456789ABCDEF"[unique & 0xF];
  }
  return Prefix() + digits + Extension();
}

bool IsHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F'); }

// Exactly the names TemporaryName makes; the system's search also matches
// short names, so a pattern alone does not decide.
bool IsTemporaryName(std::wstring_view name) {
  const std::wstring prefix = Prefix();
  const std::wstring extension = Extension();
  if (name.size() != prefix.size() + kUniqueDigits + extension.size()) return false;
  if (name.substr(0, prefix.size()) != prefix) return false;
  for (const wchar_t c : name.substr(prefix.size(), kUniqueDigits)) {
    if (!IsHexDigit(c)) return false;
  }
  return ::CompareStringOrdinal(name.data() + prefix.size() + kUniqueDigits,
                                static_cast<int>(extension.size()), extension.c_str(),
                                static_cast<int>(extension.size()), TRUE) == CSTR_EQUAL;
}

// Differs between processes, between calls and between attempts; a name that
// is taken all the same only costs another attempt.
std::uint64_t UniqueNumber(int attempt) {
  LARGE_INTEGER counter{};
  ::QueryPerformanceCounter(&counter);
  std::uint64_t mixed = (static_cast<std::uint64_t>(::GetCurrentProcessId()) << 32) ^
                        static_cast<std::uint64_t>(counter.QuadPart) ^
                        (static_cast<std::uint64_t>(attempt) << 48);
  // splitmix64's finaliser spreads every input bit over the whole number.
  mixed += 0x9E3779B97F4A7C15ULL;
  mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ULL;
  mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBULL;
  return mixed ^ (mixed >> 31);
}

class Win32TemporaryFile final : public TemporaryFile {
 public:
  explicit Win32TemporaryFile(FileHandle file) : file_(std::move(file)) {}
  ~Win32TemporaryFile() override;
  Win32TemporaryFile(const Win32TemporaryFile&) = delete;
  Win32TemporaryFile& operator=(const Win32TemporaryFile&) = delete;

  bool WriteDurably(ByteSource& content) override;
  MoveResult MoveTo(const std::string& fileName, bool replaceExisting) override;

 private:
  FileHandle file_;
  bool moved_ = false;
};

// Deleted through its own handle: the name may meanwhile belong to nothing
// else, since no one could open the file.
Win32TemporaryFile::~Win32TemporaryFile() {
  if (moved_) return;
  FILE_DISPOSITION_INFO disposition{};
  disposition.DeleteFile = TRUE;
  ::SetFileInformationByHandle(file_.get(), FileDispositionInfo, &disposition, sizeof disposition);
}

// The content goes through one small buffer, a piece at a time: under Wine
// a write from a few pages that stay mapped costs a fraction of one from a
// whole picture's worth of memory.
bool Win32TemporaryFile::WriteDurably(ByteSource& content) {
  std::vector<std::uint8_t> buffer(kWriteBufferBytes);
  for (std::size_t length = content.Read(buffer); length != 0; length = content.Read(buffer)) {
    DWORD written = 0;
    if (!::WriteFile(file_.get(), buffer.data(), static_cast<DWORD>(length), &written, nullptr) ||
        written != length) {
      return false;
    }
  }
  // Without the flush a crash of the system could leave the moved name with
  // missing content.
  return ::FlushFileBuffers(file_.get()) != FALSE;
}

TemporaryFile::MoveResult Win32TemporaryFile::MoveTo(const std::string& fileName,
                                                     bool replaceExisting) {
  // The saved file is an ordinary one: not hidden any more.
  FILE_BASIC_INFO basic{};
  basic.FileAttributes = FILE_ATTRIBUTE_ARCHIVE;
  if (!::SetFileInformationByHandle(file_.get(), FileBasicInfo, &basic, sizeof basic)) {
    return MoveResult::Failed;
  }
  const std::wstring name = Utf8ToWide(fileName);
  const DWORD length = ::GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (length == 0) return MoveResult::Failed;
  // The information ends in the full name, NUL included.
  std::vector<std::uint8_t> buffer(sizeof(FILE_RENAME_INFO) + length * sizeof(wchar_t));
  auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  const DWORD written = ::GetFullPathNameW(name.c_str(), length, rename->FileName, nullptr);
  if (written == 0 || written >= length) return MoveResult::Failed;
  rename->ReplaceIfExists = replaceExisting ? TRUE : FALSE;
  rename->RootDirectory = nullptr;
  rename->FileNameLength = written * sizeof(wchar_t);
  const ULONGLONG deadline = ::GetTickCount64() + kReplaceWaitMs;
  DWORD error = ERROR_SUCCESS;
  for (;;) {
    if (::SetFileInformationByHandle(file_.get(), FileRenameInfo, rename,
                                     static_cast<DWORD>(buffer.size()))) {
      moved_ = true;
      return MoveResult::Moved;
    }
    error = ::GetLastError();
    if (!replaceExisting || !TargetHeld(error) || ::GetTickCount64() >= deadline) break;
    ::Sleep(kReplaceRetryMs);
  }
  return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? MoveResult::TargetExists
                                                                     : MoveResult::Failed;
}

}  // namespace

// An open that shares nothing and deletes on close succeeds only when no
// program holds the file, and then removes it.
void Win32SaveFileSystem::RemoveLeftovers(const std::string& folder) {
  const std::wstring wideFolder = Utf8ToWide(folder);
  WIN32_FIND_DATAW entry{};
  const FindHandle search(
      ::FindFirstFileW(InFolder(wideFolder, Prefix() + L"*" + Extension()).c_str(), &entry));
  if (!search) return;
  do {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
        !IsTemporaryName(entry.cFileName)) {
      continue;
    }
    const FileHandle leftover(::CreateFileW(
        InFolder(wideFolder, entry.cFileName).c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
        FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  } while (::FindNextFileW(search.get(), &entry));
}

std::unique_ptr<TemporaryFile> Win32SaveFileSystem::CreateTemporaryFile(const std::string& folder) {
  const std::wstring wideFolder = Utf8ToWide(folder);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    FileHandle file(::CreateFileW(
        InFolder(wideFolder, TemporaryName(UniqueNumber(attempt))).c_str(), GENERIC_WRITE | DELETE,
        0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr));
    if (file) return std::make_unique<Win32TemporaryFile>(std::move(file));
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return nullptr;
  }
  return nullptr;
}

}  // namespace kx::win
