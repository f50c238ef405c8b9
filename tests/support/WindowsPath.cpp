#include "support/WindowsPath.h"

#include <cstdlib>

namespace kx::test {

std::string WindowsPathOf(std::string path) {
  if (!path.empty() && path.front() == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string WindowsPathFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? WindowsPathOf(value) : std::string();
}

}  // namespace kx::test
