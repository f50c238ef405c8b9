#pragma once
// The hidden main window (kMainWindowClass) that lives for the whole run. It
// holds the settings record, the picture surface and, in the resident mode,
// the hot key registry, each of whose presses runs a capture action (with
// Ctrl, a region capture, which recalls the region last taken). A close
// request or the end of the session that arrives while an action runs takes
// effect once the action has returned.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/OneShotRuns.h"
#include "app/PrintKeys.h"
#include "app/Startup.h"
#include "app/TrayMenu.h"
#include "app/win32/TrayIcon.h"
#include "capture/CaptureArea.h"
#include "capture/win32/PictureSurface.h"
#include "hotkey/HotKeyHandler.h"
#include "hotkey/HotKeyRegistry.h"
#include "hotkey/win32/Win32AtomTable.h"
#include "hotkey/win32/Win32HotKeyService.h"
#include "hotkey/win32/Win32WindowServices.h"

namespace kx::win {

class MainWindow final : public HotKeyHandler, public RunningCopies {
 public:
  explicit MainWindow(HINSTANCE instance);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window, runs start-up and the chosen course; returns the
  // process exit code.
  int Run();

  // A press of a resident hot key: one capture action.
  void OnHotKey(std::string_view name, int modifiers, int virtualKey) override;

  // True when a resident copy other than this one answers.
  bool OtherCopyRunning() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The answer to a message, or nothing for the default handling.
  [[nodiscard]] std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool Create();
  bool Start();
  void PlaceOffScreen();
  int RunStoreRun();
  int RunOptionRun();
  int RunOneShot(const OneShotRequest& request);
  int RunResident();
  ActionResult RunCapture(int modifiers);
  void ShowTrayIcon();
  void RunTrayCommand(TrayCommand command);
  ActionResult RunRegion(bool save, const std::optional<ScreenRect>& given);
  ActionResult RunOneShotRegion(const OneShotRequest& request);
  void ReleaseHotKeys();
  void PostDeferredRequests();

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  std::string programDir_;
  std::string commandLine_;
  std::optional<StartupPlan> plan_;
  PictureSurface surface_;

  Win32WindowServices windowServices_;
  Win32AtomTable atomTable_;
  Win32HotKeyService hotKeyService_;
  PrintKeyRegistrar printKeys_{*this};
  std::unique_ptr<HotKeyRegistry> hotKeys_;
  std::optional<TrayIcon> trayIcon_;
  std::optional<ScreenRect> lastRegion_;
  bool closeRequested_ = false;  // while an action ran
  bool sessionEnding_ = false;   // while an action ran
  UINT residentMessage_ = 0;     // answered while the hot keys are held
};

}  // namespace kx::win
