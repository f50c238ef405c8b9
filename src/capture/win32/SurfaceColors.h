#pragma once
// Colour reduction of pictures to the fixed palettes of 2, 16 and 256
// colours, in memory.

#include <windows.h>

#include <cstdint>

#include "capture/win32/Picture.h"
#include "capture/win32/PictureSurface.h"

namespace kx::win {

// The picture at the depth of the colour count (2: 1 bit, 16: 4 bits, any
// other count: 8 bits), each pixel its nearest palette colour; a picture
// already at or below that depth comes back as a copy of the same depth,
// colour table and pixels. Empty when the pixels cannot be read. The pixels
// are read through a memory context compatible with `dc`.
Picture ReducePictureColors(HDC dc, const Picture& picture, std::int16_t colors);

// Reduces the surface's picture in place and returns it. With no picture,
// the surface's drawing image is reduced. A picture already at
// or below the depth stays as it is; a failed reduction leaves the surface
// empty.
const Picture& ReduceSurfaceColors(HDC dc, PictureSurface& surface, std::int16_t colors);

}  // namespace kx::win
