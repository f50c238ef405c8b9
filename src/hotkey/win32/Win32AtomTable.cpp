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

std::string Win32AtomTable::NameOf(Atom atom, int capacity) {
  std::wstring buffer(static_cast<std::size_t>(capacity), L'\0');
  const UINT length = ::GlobalGetAtomNameW(atom, buffer.data(), capacity);
  buffer.resize(length);
  return WideToUtf8(buffer);
}

}  // namespace kx::win
