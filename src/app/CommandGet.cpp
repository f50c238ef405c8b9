#include "app/CommandGet.h"

#include "base/ProductNames.h"

namespace kx {

std::string CommandGet(std::string_view commandLine, std::string_view key) {
  const size_t found = commandLine.find(key);
  if (found == std::string_view::npos) return {};
  const std::string_view rest = commandLine.substr(found + key.size());
  return std::string(rest.substr(0, rest.find('/')));
}

std::string CommandGet(std::int16_t required, std::string_view commandLine, std::string_view key,
                       FatalErrorReporter& fatal) {
  if (required == kOptionRequired && commandLine.find(key) == std::string_view::npos) {
    fatal.ShowAndExit(MissingOptionMessage(commandLine, key));
    return {};
  }
  return CommandGet(commandLine, key);
}

MessageText MissingOptionMessage(std::string_view commandLine, std::string_view key) {
  if (commandLine.empty()) {
    return {std::string(kNoArgumentsTitle), std::string(kNoArgumentsText)};
  }
  std::string text(kBadArgumentsText);
  text.append("\n\n").append(kBadArgumentsLineLabel).append(commandLine);
  text.append("\n").append(kBadArgumentsKeyLabel).append(key);
  return {std::string(kBadArgumentsTitle), text};
}

}  // namespace kx
