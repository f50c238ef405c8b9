#include "app/CommandGet.h"

namespace kx {

std::string CommandGet(std::string_view commandLine, std::string_view key) {
  const size_t found = commandLine.find(key);
  if (found == std::string_view::npos) return {};
  const std::string_view rest = commandLine.substr(found + key.size());
  return std::string(rest.substr(0, rest.find('/')));
}

}  // namespace kx
