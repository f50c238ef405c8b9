#include "actions/win32/ErrorLog.h"

#include <windows.h>

#include <climits>

#include "base/Paths.h"
#include "base/ProductNames.h"
#include "base/win32/ProcessInfo.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"

namespace kx::win {

std::string ErrorLogPath() {
  return JoinPath(ProgramDir(), std::string(kProgramTitle) + std::string(kErrorLogExtension));
}

void AppendErrorLog(const std::string& text) { AppendErrorLogAt(ErrorLogPath(), text); }

void AppendErrorLogAt(const std::string& path, const std::string& text) {
  const std::string bytes = Utf8ToAnsi(text) + "\r\n";
  if (bytes.size() > UINT_MAX) return;
  const FileHandle file(::CreateFileW(Utf8ToWide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  DWORD written = 0;
  ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace kx::win
