#include "notices/NoticeDesigns.h"

namespace kx {

std::string ErrorLogPath(std::string_view programDir, std::string_view programTitle) {
  std::string path(programDir);
  if (!path.ends_with('\\')) path += '\\';
  path += programTitle;
  path += kErrorLogExtension;
  return path;
}

std::string PrintErrorText(std::string_view programDir, std::string_view programTitle) {
  std::string text(kPrintErrorHead);
  text.append("\r\n").append(kPrintErrorLogLine).append("\r\n");
  return text + ErrorLogPath(programDir, programTitle);
}

}  // namespace kx
