// A stand-in for a DLL planted beside the program: when it is loaded, it
// leaves the file "planted-dll-loaded" in its own folder.

#include <windows.h>

#include <cwchar>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH + 32] = {};
  ::GetModuleFileNameW(instance, path, MAX_PATH);
  wchar_t* name = std::wcsrchr(path, L'\\');
  if (!name) return TRUE;
  std::wcscpy(name + 1, L"planted-dll-loaded");
  const HANDLE file = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
  return TRUE;
}
