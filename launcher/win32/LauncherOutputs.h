#pragma once
// Where the launcher's results and failures go: the console or files a
// script gave it, or message boxes.

#include <windows.h>

#include "base/win32/ScopedWin.h"
#include "launcher/LauncherServices.h"

namespace kx::win {

// Message boxes owned by a window (the settings dialog), or by none.
class MessageBoxOutput final : public LauncherOutput {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  void Print(std::string_view text) override;
  void ReportError(const MessageText& message) override;
  // Notes are for consoles and scripts: the dialog shows its own state.
  void Note(Stream stream, std::string_view line) override;

 private:
  HWND owner_ = nullptr;
};

// Standard output and error as given; without them, the console of the
// program that started the launcher; without one, message boxes.
class ConsoleOutput final : public LauncherOutput {
 public:
  ConsoleOutput();
  void Print(std::string_view text) override;
  void ReportError(const MessageText& message) override;
  void Note(Stream stream, std::string_view line) override;

 private:
  FileHandle console_;  // the parent's console, when attached to it
  HANDLE out_;
  HANDLE error_;
  MessageBoxOutput boxes_;
};

}  // namespace kx::win
