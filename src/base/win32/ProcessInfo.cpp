#include "base/win32/ProcessInfo.h"

#include <windows.h>

#include "base/win32/Strconv.h"

namespace kx::win {

std::string CommandLineArguments(std::wstring_view line) {
  size_t i = 0;
  if (!line.empty() && line.front() == L'"') {
    const size_t close = line.find(L'"', 1);
    i = close == std::wstring_view::npos ? line.size() : close + 1;
  } else {
    while (i < line.size() && line[i] != L' ' && line[i] != L'\t') ++i;
  }
  while (i < line.size() && (line[i] == L' ' || line[i] == L'\t')) ++i;
  return WideToUtf8(line.substr(i));
}

std::string CommandLineText() { return CommandLineArguments(::GetCommandLineW()); }

std::string ProgramDir() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  // Keep the "\" of a drive root such as "C:\".
  if (slash == 2 && path[1] == L':') ++slash;
  return WideToUtf8(path.substr(0, slash));
}

}  // namespace kx::win
