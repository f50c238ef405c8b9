#pragma once
// WindowTable<Object>: this thread's windows and the objects behind them, by
// window handle. A window procedure finds its object here rather than in the
// window's user-data slot or a property, which any process can overwrite.
// A window's messages arrive on the thread that created it, so each thread
// keeps a table of its own.

#include <windows.h>

#include <map>

namespace kx::win {

template <typename Object>
class WindowTable {
 public:
  WindowTable() = delete;

  static void Bind(HWND window, Object& object) { Entries()[window] = &object; }

  // The window's object, or null when none is bound.
  static Object* Find(HWND window) {
    const auto found = Entries().find(window);
    return found == Entries().end() ? nullptr : found->second;
  }

  // Unbinds the window; its object, or null when none was bound.
  static Object* Take(HWND window) {
    Object* const object = Find(window);
    Entries().erase(window);
    return object;
  }

 private:
  static std::map<HWND, Object*>& Entries() {
    thread_local std::map<HWND, Object*> entries;
    return entries;
  }
};

}  // namespace kx::win
