#pragma once
// The settings dialogs of this process by window handle. The dialog
// procedure finds its object here: a window's user-data slot can be written
// by any process, this table only by this one.

#include <windows.h>

namespace kx::win {

class SettingsDialog;

class DialogTable {
 public:
  // The dialog whose window DialogBox is about to create on this thread; its
  // first WM_INITDIALOG binds it to that window.
  static void Expect(SettingsDialog* dialog);
  // The expected dialog, now known by `window`; nothing when none is expected.
  static SettingsDialog* Bind(HWND window);
  static SettingsDialog* Find(HWND window);
  static void Remove(HWND window);
};

}  // namespace kx::win
