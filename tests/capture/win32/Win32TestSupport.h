#pragma once
// Pictures of known pixels and small helpers for the Win32 capture tests.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "capture/Image.h"
#include "capture/win32/Picture.h"

namespace kx::win::test {

// A screen-compatible bitmap picture holding the pixels.
Picture ScreenPicture(const Rgb32Image& image);

// The pixel at (x, y) of rows top-down.
std::uint32_t PixelAt(const Rgb32Image& image, std::int32_t x, std::int32_t y);

}  // namespace kx::win::test
