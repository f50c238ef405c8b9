#pragma once
// The settings dialog of Kaptorix.exe.

#include <windows.h>

#include "launcher/Launcher.h"
#include "launcher/SettingsForm.h"
#include "launcher/win32/LauncherOutputs.h"

namespace kx::win {

class SettingsDialog {
 public:
  SettingsDialog(Launcher& launcher, KeyProgram& key, SettingsProbe& probe,
                 MessageBoxOutput& output, SettingsForm form);
  SettingsDialog(const SettingsDialog&) = delete;
  SettingsDialog& operator=(const SettingsDialog&) = delete;

  // Shows the dialog and returns when it has been closed.
  void Show(HINSTANCE instance);

 private:
  // No exception leaves the procedure: one that a message's handling throws
  // ends there, and the dialog manager handles the message as unhandled.
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM);
  // TRUE for a message handled here, FALSE for the dialog manager's handling.
  INT_PTR OnMessage(UINT message, WPARAM wParam);
  void Fill();
  void OnCommand(int id);
  void Save(bool start);
  bool CreateFolderIfWanted(const FieldProblem& missing);
  void Reload();
  void FocusOn(SettingField field);
  void Browse();
  void ShowStatus();
  void NameExtensionsForFormat();
  HWND Control(int id) const { return ::GetDlgItem(hwnd_, id); }

  Launcher& launcher_;
  KeyProgram& key_;
  SettingsProbe& probe_;
  MessageBoxOutput& output_;
  SettingsForm form_;
  HWND hwnd_ = nullptr;
};

// The dialog's course from start to end: the settings file is created when
// missing and read; returns the launcher's exit code.
[[nodiscard]] int RunSettingsDialog(HINSTANCE instance, const std::string& programDir,
                                    SettingsFile& file, KeyProgram& key, SettingsProbe& probe);

}  // namespace kx::win
