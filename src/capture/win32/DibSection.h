#pragma once
// Device-independent bitmap sections: bitmaps whose rows lie in the
// program's memory.

#include <windows.h>

#include <cstdint>
#include <span>

#include "base/win32/ScopedWin.h"
#include "capture/PixelRows.h"

namespace kx::win {

// A section and its rows, seen from the top. The rows are stored bottom-up,
// as this program makes every section; the system cannot say afterwards
// (GetObject reports a positive height either way), so they are kept here.
// A bitmap that is not such a section has no rows.
struct DibSection {
  BitmapHandle bitmap;
  PixelRows<std::uint8_t> rows;
};

// A new bottom-up section of the size, depth (1, 4, 8, 24 or 32) and colour
// table, its rows zero; no bitmap for a size that is not positive or when
// it cannot be made.
DibSection CreateDibSection(std::int32_t width, std::int32_t height, int bitsPerPixel,
                            std::span<const std::uint32_t> palette);

}  // namespace kx::win
