#include "base/win32/StandardStreams.h"

#include <string>

#include "base/win32/Strconv.h"

namespace kx::win {

bool Usable(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

void WriteText(HANDLE target, std::string_view utf8) {
  DWORD mode = 0;
  DWORD written = 0;
  if (::GetConsoleMode(target, &mode)) {
    const std::wstring wide = Utf8ToWide(utf8);
    ::WriteConsoleW(target, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  const std::string ansi = Utf8ToAnsi(utf8);
  ::WriteFile(target, ansi.data(), static_cast<DWORD>(ansi.size()), &written, nullptr);
}

void WriteStandardLine(DWORD which, std::string_view utf8) {
  const HANDLE target = ::GetStdHandle(which);
  if (!Usable(target) || ::GetFileType(target) == FILE_TYPE_UNKNOWN) return;
  std::string line;
  line.reserve(utf8.size() + 2);
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
    line.push_back(utf8[i] == '\r' || utf8[i] == '\n' ? ' ' : utf8[i]);
  }
  line.append("\r\n");
  WriteText(target, line);
}

}  // namespace kx::win
