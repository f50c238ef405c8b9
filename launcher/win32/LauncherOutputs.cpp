#include "launcher/win32/LauncherOutputs.h"

#include "base/win32/MessageBox.h"
#include "base/win32/Strconv.h"

namespace kx::win {
namespace {

bool Usable(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

// A missing handle, or one that may be a console this process is not attached to.
bool WantsConsole(HANDLE handle) {
  return !Usable(handle) || ::GetFileType(handle) == FILE_TYPE_CHAR;
}

// A console gets UTF-16; a file or pipe gets the ANSI code page.
void WriteText(HANDLE target, std::string_view text) {
  DWORD mode = 0;
  DWORD written = 0;
  if (::GetConsoleMode(target, &mode)) {
    const std::wstring wide = Utf8ToWide(text);
    ::WriteConsoleW(target, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  const std::string ansi = Utf8ToAnsi(text);
  ::WriteFile(target, ansi.data(), static_cast<DWORD>(ansi.size()), &written, nullptr);
}

}  // namespace

ConsoleOutput::ConsoleOutput()
    : out_(::GetStdHandle(STD_OUTPUT_HANDLE)), error_(::GetStdHandle(STD_ERROR_HANDLE)) {
  if (!WantsConsole(out_) && !WantsConsole(error_)) return;
  if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
  console_.reset(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr));
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

void MessageBoxOutput::Print(std::string_view text) {
  ShowMessageBox(owner_, {"Kaptorix", std::string(text)}, MB_ICONINFORMATION);
}

void MessageBoxOutput::ReportError(const MessageText& message) {
  ShowMessageBox(owner_, message, MB_ICONERROR);
}

}  // namespace kx::win
