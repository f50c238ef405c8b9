#include "launcher/win32/Arguments.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "base/win32/Strconv.h"

namespace kx::win {
namespace {

struct LocalFreeDeleter {
  void operator()(LPWSTR* block) const noexcept { ::LocalFree(block); }
};

}  // namespace

std::vector<std::string> SplitArguments(std::wstring_view commandLine) {
  const std::wstring line(commandLine);
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalFreeDeleter> argv(::CommandLineToArgvW(line.c_str(), &count));
  std::vector<std::string> arguments;
  for (int i = 1; argv && i < count; ++i) arguments.push_back(WideToUtf8(argv.get()[i]));
  return arguments;
}

}  // namespace kx::win
