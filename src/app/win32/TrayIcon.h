#pragma once
// The program's icon in the notification area, shown from construction to
// destruction and shown again when the shell's taskbar is created anew. Its
// menu is the only way its messages act: a chosen item comes back from the
// menu call itself, so no command message from outside can pick one, and a
// double-click counts only right after real input.

#include <windows.h>

#include <string>

#include "app/TrayMenu.h"

namespace kx::win {

class TrayIcon {
 public:
  // `window` receives the icon's messages; the icon is the program's own.
  TrayIcon(HWND window, HINSTANCE instance, const std::string& tooltip);
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  [[nodiscard]] bool Shown() const { return shown_; }

  // Whether `message` is one of the icon's: its own or the taskbar's return.
  [[nodiscard]] bool OwnsMessage(UINT message) const;

  // Handles one of the icon's messages: shows the menu (on the right button
  // or the menu key) and returns the item chosen, or a double-click's first
  // item; TrayCommand::None otherwise. The window in front before the menu
  // opened is in front again when this returns.
  TrayCommand OnMessage(UINT message, LPARAM lParam, const TrayState& state);

 private:
  bool Add();

  HWND window_;
  HICON icon_;
  std::wstring tooltip_;
  UINT taskbarCreated_;
  bool shown_ = false;
};

}  // namespace kx::win
