#include "launcher/win32/LauncherOutputs.h"

#include "base/win32/MessageBox.h"
#include "base/win32/StandardStreams.h"
#include "launcher/Launcher.h"

namespace kx::win {
namespace {

// A missing handle, or one that may be a console this process is not attached to.
bool WantsConsole(HANDLE handle) {
  return !Usable(handle) || ::GetFileType(handle) == FILE_TYPE_CHAR;
}

}  // namespace

ConsoleOutput::ConsoleOutput()
    : out_(::GetStdHandle(STD_OUTPUT_HANDLE)), error_(::GetStdHandle(STD_ERROR_HANDLE)) {
  if (!WantsConsole(out_) && !WantsConsole(error_)) return;
  if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
  console_.reset(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr));
  if (!Usable(out_)) out_ = console_.get();
  if (!Usable(error_)) error_ = console_.get();
}

void ConsoleOutput::Print(std::string_view text) {
  if (Usable(out_)) {
    WriteText(out_, text);
  } else {
    boxes_.Print(text);
  }
}

void ConsoleOutput::ReportError(const MessageText& message) {
  if (Usable(error_)) {
    WriteText(error_, message.title + ": " + message.text + "\r\n");
  } else {
    boxes_.ReportError(message);
  }
}

void ConsoleOutput::Note(Stream stream, std::string_view line) {
  const HANDLE target = stream == Stream::Output ? out_ : error_;
  if (Usable(target)) WriteText(target, std::string(line) + "\r\n");
}

void MessageBoxOutput::Print(std::string_view text) {
  ShowMessageBox(owner_, {std::string(kMessageTitle), std::string(text)}, MB_ICONINFORMATION);
}

void MessageBoxOutput::ReportError(const MessageText& message) {
  ShowMessageBox(owner_, message, MB_ICONERROR);
}

void MessageBoxOutput::Note(Stream, std::string_view) {}

}  // namespace kx::win
