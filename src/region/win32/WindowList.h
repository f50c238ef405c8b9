#pragma once
// The windows on the screen, for the outline under the pointer and the window
// a click takes.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "region/WindowHit.h"

namespace kx::win {

// The top-level windows one can see, top first: visible, not minimised, not
// cloaked, not transparent to the mouse, of some size; each with what a
// capture of it takes (the frame the window manager draws where it reports
// one). Their ids are their handles.
std::vector<WindowArea> VisibleTopLevelWindows();

// The controls of those windows, found when asked: the windows may have
// changed since, and then nothing is found.
class WindowControls : public ControlFinder {
 public:
  std::optional<ScreenRect> ControlAt(std::intptr_t window, ScreenPoint point) override;
};

}  // namespace kx::win
