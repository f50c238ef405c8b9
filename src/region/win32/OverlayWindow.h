#pragma once
// The overlay's window: topmost, borderless, over the whole virtual screen.
// It feeds its input to the selector, repaints what the selector's view
// changes, and runs a message loop of its own until the choice ends.

#include <windows.h>

#include <cstdint>

#include "region/OverlayView.h"
#include "region/RegionSelector.h"
#include "region/win32/FrozenScreen.h"
#include "region/win32/OverlayPainter.h"
#include "region/win32/RegionOverlay.h"

namespace kx::win {

class OverlayWindow {
 public:
  OverlayWindow(const FrozenScreen& frozen, RegionSelector& selector, OverlayPainter& painter,
                OverlayObserver* observer);
  // Closes the window and gives the foreground back to the window that had it.
  ~OverlayWindow();
  OverlayWindow(const OverlayWindow&) = delete;
  OverlayWindow& operator=(const OverlayWindow&) = delete;

  // Shows the window in front of everything and paints it; false when it
  // cannot be made.
  bool Show(HWND owner);
  // Handles this thread's messages until the choice ends or the window is gone.
  void RunUntilEnd();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnKey(WPARAM virtualKey);
  void OnPaint();
  void Refresh();
  ScreenPoint ToScreen(LPARAM lParam) const;

  const FrozenScreen& frozen_;
  RegionSelector& selector_;
  OverlayPainter& painter_;
  OverlayObserver* observer_;
  HWND hwnd_ = nullptr;
  HWND previousForeground_ = nullptr;
  OverlayView shown_;
  std::int32_t wheelRest_ = 0;
};

}  // namespace kx::win
