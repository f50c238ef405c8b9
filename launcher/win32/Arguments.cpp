#include "launcher/win32/Arguments.h"

#include <windows.h>
#include <shellapi.h>

#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"

namespace kx::win {

std::vector<std::string> SplitArguments(std::wstring_view commandLine) {
  const std::wstring line(commandLine);
  int count = 0;
  LPWSTR* const argv = ::CommandLineToArgvW(line.c_str(), &count);
  const LocalMemory block(argv);
  std::vector<std::string> arguments;
  for (int i = 1; argv && i < count; ++i) arguments.push_back(WideToUtf8(argv[i]));
  return arguments;
}

}  // namespace kx::win
