#pragma once
// A true-colour picture in memory, independent of any window system.

#include <cstdint>
#include <vector>

namespace kx {

// Rows top-down; each pixel 0x00RRGGBB, so the bytes in memory are B, G, R, 0
// as in a 32-bit device-independent bitmap.
struct Rgb32Image {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> pixels;  // width * height

  bool operator==(const Rgb32Image&) const = default;
};

}  // namespace kx
