#include "launcher/FolderPath.h"

#include "base/Blanks.h"

namespace kx {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool StartsAtDriveRoot(std::string_view path) {
  return path.size() >= 3 && path[1] == ':' && IsSeparator(path[2]);
}

}  // namespace

bool IsDriveRoot(std::string_view path) { return path.size() == 3 && StartsAtDriveRoot(path); }

bool IsAbsolute(std::string_view path) {
  return StartsAtDriveRoot(path) || (path.size() >= 3 && path.substr(0, 2) == "\\\\");
}

std::string TrimmedFolder(std::string_view path) {
  path = TrimBlanks(path);
  while (path.size() > 1 && (IsSeparator(path.back()) || IsBlank(path.back())) &&
         !IsDriveRoot(path)) {
    path.remove_suffix(1);
  }
  return std::string(path);
}

bool HasNameEndingInBlankOrDot(std::string_view path) {
  for (std::size_t i = 1; i <= path.size(); ++i) {
    const bool nameEnds = i == path.size() || IsSeparator(path[i]);
    if (nameEnds && (path[i - 1] == ' ' || path[i - 1] == '.')) return true;
  }
  return false;
}

}  // namespace kx
