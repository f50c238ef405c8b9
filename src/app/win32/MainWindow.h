#pragma once
// frmKaptorix: the hidden main window that lives for the whole run. It holds
// the settings record, the picture surface PicGmn and, in the resident mode,
// the hot key registry mclsHotKey, whose HotKey event runs a capture action.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "app/OneShotRuns.h"
#include "app/PrintKeys.h"
#include "app/Startup.h"
#include "capture/win32/PictureSurface.h"
#include "hotkey/HotKeyHandler.h"
#include "hotkey/clsHotKey.h"
#include "hotkey/win32/Win32AtomTable.h"
#include "hotkey/win32/Win32HotKeyService.h"
#include "hotkey/win32/Win32WindowServices.h"

namespace kx::win {

class MainWindow final : public HotKeyHandler {
 public:
  explicit MainWindow(HINSTANCE instance);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window, runs start-up and the chosen course; returns the
  // process exit code.
  int Run();

  void HotKey(std::string& key, std::int32_t& Mask, std::int32_t& VertualKey) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool Create();
  bool Load();
  void PlaceOffScreen();
  int RunStoreRun();
  int RunOptionRun();
  int RunOneShot(const OneShotRequest& request);
  int RunResident();
  void mclsHotKey_HotKey(std::string& key, std::int32_t& Mask, std::int32_t& VertualKey);
  void Unload();

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  std::string programDir_;
  std::string commandLine_;
  std::optional<StartupPlan> plan_;
  PictureSurface PicGmn;

  Win32WindowServices windowServices_;
  Win32AtomTable atomTable_;
  Win32HotKeyService hotKeyService_;
  PrintKeyRegistrar printKeys_;
  std::unique_ptr<clsHotKey> mclsHotKey;
};

}  // namespace kx::win
