#pragma once
// DLLs that are not KnownDLLs, loaded from the system folder only: a DLL of
// the same name in the program's folder (which must be writable: the
// settings, the log and the store file live there) is never loaded.

#include <windows.h>

#include "base/win32/ScopedWin.h"

namespace kx::win {

// Every later DLL search of the process looks in the system folder only. The
// first thing each program does.
void SearchDllsInSystemFolderOnly();

// The DLL from the system folder; an empty handle when it is not there.
ModuleHandle LoadSystemLibrary(const wchar_t* name);

// A function of the module, typed as `Function` (decltype(&::TheFunction));
// null when the module is empty or lacks it.
template <typename Function>
Function LibraryFunction(const ModuleHandle& module, const char* name) {
  if (!module) return nullptr;
  // Through void (*)(): the one function pointer type that converts to any other.
  const auto address = reinterpret_cast<void (*)()>(::GetProcAddress(module.get(), name));
  return reinterpret_cast<Function>(address);
}

}  // namespace kx::win
