#include "app/win32/Win32StartupServices.h"

#include <windows.h>

#include "base/win32/Files.h"
#include "base/win32/MessageBox.h"
#include "base/win32/StandardStreams.h"
#include "base/win32/Strconv.h"
#include "settings/SettingsReader.h"

namespace kx::win {

bool Win32StartupServices::FileExists(const std::string& path) { return kx::win::FileExists(path); }

std::optional<std::string> Win32StartupServices::ReadTextFile(const std::string& path) {
  std::optional<std::string> bytes = ReadFileBytes(path, kMaxSettingsFileBytes);
  if (!bytes) return std::nullopt;
  return AnsiToUtf8(*bytes);
}

void Win32StartupServices::ShowError(const MessageText& message) {
  WriteStandardLine(STD_ERROR_HANDLE, message.title + ": " + message.text);
  ShowMessageBox(nullptr, message, MB_ICONERROR);
}

}  // namespace kx::win
