#include "notices/NoticeDesigns.h"

namespace kx {

std::string ErrorLogPath(std::string_view programDir, std::string_view programTitle) {
  std::string path(programDir);
  if (!path.ends_with('\\')) path += '\\';
  path += programTitle;
  path += ".log";
  return path;
}

std::string PrintErrorText(std::string_view programDir, std::string_view programTitle) {
  return "PrintPictureToFitPage Error\r\n以下にエラーログを出力しました\r\n" +
         ErrorLogPath(programDir, programTitle);
}

}  // namespace kx
