#include <windows.h>

#include "app/win32/MainWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  kx::win::MainWindow mainWindow(instance);
  return mainWindow.Run();
}
