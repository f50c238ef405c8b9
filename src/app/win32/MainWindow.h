#pragma once
// frmKaptorix: the hidden main window that lives for the whole run.

#include <windows.h>

#include <optional>

#include "app/Startup.h"

namespace kx::win {

class MainWindow {
 public:
  static constexpr const wchar_t* kClassName = L"frmKaptorix";
  static constexpr const wchar_t* kCaption = L"Kaptorix_Key";

  explicit MainWindow(HINSTANCE instance);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window, runs start-up and the chosen course; returns the
  // process exit code.
  int Run();

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool Create();
  bool Load();
  void PlaceOffScreen();
  void Unload();

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  std::optional<StartupPlan> plan_;
};

}  // namespace kx::win
