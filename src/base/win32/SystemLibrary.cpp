#include "base/win32/SystemLibrary.h"

namespace kx::win {

void SearchDllsInSystemFolderOnly() {
  // Looked up rather than imported: a system without it still starts.
  const auto setDirectories =
      reinterpret_cast<decltype(&::SetDefaultDllDirectories)>(reinterpret_cast<void (*)()>(
          ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDirectories) setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

ModuleHandle LoadSystemLibrary(const wchar_t* name) {
  return ModuleHandle(::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

}  // namespace kx::win
