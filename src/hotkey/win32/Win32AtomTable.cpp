#include "hotkey/win32/Win32AtomTable.h"

#include <windows.h>

#include <string>

#include "base/win32/Strconv.h"

namespace kx::win {

Atom Win32AtomTable::Find(const std::string& name) {
  return ::GlobalFindAtomW(Utf8ToWide(name).c_str());
}

Atom Win32AtomTable::Add(const std::string& name) {
  return ::GlobalAddAtomW(Utf8ToWide(name).c_str());
}

void Win32AtomTable::Delete(Atom atom) { ::GlobalDeleteAtom(atom); }

}  // namespace kx::win
