#include "launcher/FolderPath.h"

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

std::string WithoutTrailingSeparators(std::string_view path) {
  while (path.size() > 1 && IsSeparator(path.back()) && !IsDriveRoot(path)) path.remove_suffix(1);
  return std::string(path);
}

}  // namespace kx
