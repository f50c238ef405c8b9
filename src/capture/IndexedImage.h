#pragma once
// A picture of palette indices, one byte per pixel, independent of any window
// system.

#include <cstdint>
#include <vector>

namespace kx {

struct IndexedImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  int bitsPerPixel = 8;                 // 1, 4 or 8: the depth the file keeps
  std::vector<std::uint32_t> palette;   // 0x00RRGGBB, at most 2^bitsPerPixel entries
  std::vector<std::uint8_t> indices;    // width * height, rows top-down

  bool operator==(const IndexedImage&) const = default;
};

}  // namespace kx
