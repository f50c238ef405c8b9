#pragma once
// Rows of a bitmap in memory, in whichever order they are stored.

#include <cstddef>
#include <cstdint>

namespace kx {

// Row y (0 at the top) starts y * step elements after `top`; the step is
// negative for rows stored bottom-up, as device-independent bitmaps usually
// are.
template <typename Element>
struct PixelRows {
  Element* top = nullptr;
  std::ptrdiff_t step = 0;

  Element* Row(std::int32_t y) const { return top + static_cast<std::ptrdiff_t>(y) * step; }
};

}  // namespace kx
