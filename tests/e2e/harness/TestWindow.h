#pragma once
// A window of the test program with a known look, for captures to find.

#include <windows.h>

#include <cstdint>

#include "base/win32/ScopedWin.h"

namespace kx::e2e {

class TestWindow {
 public:
  // A borderless popup at (x, y), width x height, filled with `colour`
  // (0x00RRGGBB) and with a `stripe` colour in its left half, shown and made
  // the foreground window.
  TestWindow(int x, int y, int width, int height, std::uint32_t colour, std::uint32_t stripe);

  HWND hwnd() const { return window_.get(); }
  RECT Rect() const;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  win::UniqueWindow window_;
  win::BrushHandle background_;
  win::BrushHandle stripe_;
};

inline std::uint32_t RgbOf(COLORREF colour) {
  return static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
         static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
}

}  // namespace kx::e2e
