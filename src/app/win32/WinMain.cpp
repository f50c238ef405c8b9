#include <windows.h>

#include "app/win32/MainWindow.h"
#include "base/win32/SystemLibrary.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  kx::win::SearchDllsInSystemFolderOnly();
  kx::win::MainWindow mainWindow(instance);
  return mainWindow.Run();
}
