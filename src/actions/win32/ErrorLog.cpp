#include "actions/win32/ErrorLog.h"

#include <windows.h>

#include <climits>

#include "base/Paths.h"
#include "base/ProductNames.h"
#include "base/win32/ProcessInfo.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"

namespace kx::win {
namespace {

constexpr ULONGLONG kWaitMs = 1000;
constexpr DWORD kRetryMs = 50;
// A byte far beyond the end of any log: locked, it lets one writer append at
// a time without keeping anyone from reading the log.
constexpr DWORD kLockOffsetHigh = 0x40000000;

// Other writers of the log share it. A program that holds it without sharing
// (one saving or copying it) is waited for until `deadline`, then given up.
// Reading is asked for only so that the file can be locked; writes go to
// the end whatever the file position.
FileHandle OpenForAppending(const std::wstring& path, ULONGLONG deadline) {
  for (;;) {
    FileHandle file(::CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_READ_DATA | SYNCHRONIZE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) return file;
    const DWORD error = ::GetLastError();
    const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
    if (!held || ::GetTickCount64() >= deadline) return file;
    ::Sleep(kRetryMs);
  }
}

// Appends are not whole on every system (Wine finds the end and then writes
// there), so writers take turns. False when another writer kept its turn
// until `deadline`; a file system without locks appends unlocked.
bool TakeTurn(HANDLE file, OVERLAPPED& lock, ULONGLONG deadline) {
  for (;;) {
    if (::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &lock)) {
      return true;
    }
    if (::GetLastError() != ERROR_LOCK_VIOLATION) return true;
    if (::GetTickCount64() >= deadline) return false;
    ::Sleep(kRetryMs);
  }
}

}  // namespace

std::string ErrorLogPath() {
  return JoinPath(ProgramDir(), std::string(kProgramTitle) + std::string(kErrorLogExtension));
}

void AppendErrorLog(const std::string& text) { AppendErrorLogAt(ErrorLogPath(), text); }

void AppendErrorLogAt(const std::string& path, const std::string& text) {
  const std::string bytes = Utf8ToAnsi(text) + "\r\n";
  if (bytes.size() > UINT_MAX) return;
  const ULONGLONG deadline = ::GetTickCount64() + kWaitMs;
  const FileHandle file = OpenForAppending(Utf8ToWide(path), deadline);
  if (!file) return;
  OVERLAPPED lock{};
  lock.OffsetHigh = kLockOffsetHigh;
  if (!TakeTurn(file.get(), lock, deadline)) return;
  DWORD written = 0;
  ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::UnlockFileEx(file.get(), 0, 1, 0, &lock);
}

}  // namespace kx::win
