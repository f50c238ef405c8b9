#include "capture/win32/Win32SaveFileSystem.h"

#include <windows.h>

#include <algorithm>

#include "win32/ScopedWin.h"
#include "win32/Strconv.h"

namespace kx::win {

std::optional<std::string> Win32SaveFileSystem::CreateUniqueFile(const std::string& folder) {
  wchar_t name[MAX_PATH] = {};
  if (::GetTempFileNameW(Utf8ToWide(folder).c_str(), L"MDC", 0, name) == 0) return std::nullopt;
  return WideToUtf8(name);
}

bool Win32SaveFileSystem::WriteDurably(const std::string& path,
                                       std::span<const std::uint8_t> bytes) {
  FileHandle file(::CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  constexpr std::size_t kChunk = 1 << 24;
  for (std::size_t done = 0; done < bytes.size();) {
    const auto length = static_cast<DWORD>(std::min(kChunk, bytes.size() - done));
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data() + done, length, &written, nullptr) ||
        written != length) {
      return false;
    }
    done += written;
  }
  if (!::FlushFileBuffers(file.get())) return false;
  return ::CloseHandle(file.release()) != FALSE;
}

SaveFileSystem::MoveResult Win32SaveFileSystem::Move(const std::string& from,
                                                     const std::string& to,
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
