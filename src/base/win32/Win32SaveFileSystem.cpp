#include "base/win32/Win32SaveFileSystem.h"

#include <windows.h>

#include <vector>

#include "base/ProductNames.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"

namespace kx::win {
namespace {

constexpr std::size_t kWriteBufferBytes = std::size_t{1} << 16;

}  // namespace

std::optional<std::string> Win32SaveFileSystem::CreateUniqueFile(const std::string& folder) {
  wchar_t name[MAX_PATH] = {};
  if (::GetTempFileNameW(Utf8ToWide(folder).c_str(), Utf8ToWide(kTemporaryFilePrefix).c_str(), 0,
                         name) == 0) {
    return std::nullopt;
  }
  return WideToUtf8(name);
}

// The content goes through one small buffer, a piece at a time: under Wine
// a write from a few pages that stay mapped costs a fraction of one from a
// whole picture's worth of memory.
bool Win32SaveFileSystem::WriteDurably(const std::string& path, ByteSource& content) {
  FileHandle file(::CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  std::vector<std::uint8_t> buffer(kWriteBufferBytes);
  for (std::size_t length = content.Read(buffer); length != 0; length = content.Read(buffer)) {
    DWORD written = 0;
    if (!::WriteFile(file.get(), buffer.data(), static_cast<DWORD>(length), &written, nullptr) ||
        written != length) {
      return false;
    }
  }
  // Without the flush a crash of the system could leave the moved name with
  // missing content.
  if (!::FlushFileBuffers(file.get())) return false;
  return ::CloseHandle(file.release()) != FALSE;
}

SaveFileSystem::MoveResult Win32SaveFileSystem::Move(const std::string& from, const std::string& to,
                                                     bool replaceExisting) {
  const DWORD flags = MOVEFILE_WRITE_THROUGH | (replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0);
  if (::MoveFileExW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(), flags)) {
    return MoveResult::Moved;
  }
  const DWORD error = ::GetLastError();
  return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? MoveResult::TargetExists
                                                                     : MoveResult::Failed;
}

void Win32SaveFileSystem::Remove(const std::string& path) {
  ::DeleteFileW(Utf8ToWide(path).c_str());
}

}  // namespace kx::win
