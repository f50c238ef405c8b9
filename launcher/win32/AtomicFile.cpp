#include "launcher/win32/AtomicFile.h"

#include <windows.h>

#include "win32/ScopedWin.h"
#include "win32/Strconv.h"

namespace kx::win {
namespace {

// A file that is deleted when it goes, unless it has been moved into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (!path_.empty()) ::DeleteFileW(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::wstring& path() const { return path_; }
  bool MoveTo(const std::wstring& target) {
    if (!::MoveFileExW(path_.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return false;
    }
    path_.clear();
    return true;
  }

 private:
  std::wstring path_;
};

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

bool WriteAll(const std::wstring& path, std::string_view bytes) {
  const FileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  if (!bytes.empty() && (bytes.size() > MAXDWORD ||
                         !::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                      &written, nullptr) ||
                         written != bytes.size())) {
    return false;
  }
  return ::FlushFileBuffers(file.get()) != FALSE;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  const std::wstring target = Utf8ToWide(path);
  wchar_t temporary[MAX_PATH] = {};
  if (!::GetTempFileNameW(FolderOf(target).c_str(), L"kxi", 0, temporary)) return false;
  TemporaryFile file(temporary);
  return WriteAll(file.path(), bytes) && file.MoveTo(target);
}

}  // namespace kx::win
