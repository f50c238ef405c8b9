#include "app/CommandGet.h"

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
    return {"コマンドライン引数無し", "コマンドラインの引数がありません\n引数を指定して下さい"};
  }
  return {"コマンドライン引数異常", "コマンドラインのデータが異常です\n\nコマンド　　" +
                                        std::string(commandLine) + "\n異常キー　" +
                                        std::string(key)};
}

}  // namespace kx
