#include "base/win32/Files.h"

#include <windows.h>

#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"

namespace kx::win {

bool PlainFileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(Utf8ToWide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  constexpr DWORD kNotPlain =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  return (attributes & kNotPlain) == 0;
}

std::string DirectoryEntryName(const std::string& path, std::uint32_t attributeMask) {
  WIN32_FIND_DATAW entry{};
  const FindHandle search(::FindFirstFileW(Utf8ToWide(path).c_str(), &entry));
  if (!search) return {};
  if ((entry.dwFileAttributes & attributeMask) == 0) return {};
  return WideToUtf8(entry.cFileName);
}

bool DirectoryExists(const std::string& path) {
  return !DirectoryEntryName(path, kDirectoryAttribute).empty();
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  const FileHandle file(::CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > 64 * 1024 * 1024) return std::nullopt;
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() &&
      (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
       read != bytes.size())) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace kx::win
