#pragma once
// The texts the overlay shows, in pixels of the virtual screen.

#include <cstdint>
#include <string>

#include "capture/ScreenArea.h"

namespace kx {

// "x, y  w × h": a rectangle's top-left corner and size.
std::string RectText(const ScreenRect& rect);

// "x, y  #RRGGBB": a pixel and its colour (0xRRGGBB).
std::string PixelText(ScreenPoint point, std::uint32_t colour);

}  // namespace kx
