#pragma once
// The value of the command line's region option: "x,y,w,h" in screen pixels
// (the corner may be left of or above the primary monitor), or "select" for
// a choice on the screen.

#include <optional>
#include <string_view>

#include "capture/CaptureArea.h"

namespace kx {

struct AreaOption {
  bool select = false;  // choose on the screen
  ScreenRect rect;      // otherwise this rectangle
};

// Four integers separated by commas, blanks around each allowed; the width
// and height above 0 and the far corner within 32 bits. "select" in any
// letter case. Nothing for any other text.
std::optional<AreaOption> ParseAreaOption(std::string_view text);

}  // namespace kx
