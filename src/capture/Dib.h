#pragma once
// A device-independent bitmap in the layout of a BMP file: rows bottom-up,
// each padded to a multiple of 4 bytes.

#include <cstdint>
#include <optional>
#include <vector>

#include "capture/Image.h"
#include "capture/IndexedImage.h"

namespace kx {

struct DibImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  int bitsPerPixel = 0;                 // 1, 4, 8, 24 or 32
  std::vector<std::uint32_t> palette;   // colour table, 0x00RRGGBB; up to 8 bits only
  std::vector<std::uint8_t> rows;       // height * DibRowStride, bottom row first

  bool operator==(const DibImage&) const = default;
};

// Bytes per row: width * bits rounded up to whole 32-bit words; nothing for a
// negative width or a depth that is not 1, 4, 8, 24 or 32.
std::optional<std::uint64_t> DibRowStride(std::int32_t width, int bitsPerPixel);

// True when the fields agree with each other: a known depth, no negative
// size, a colour table that fits the depth (and none above 8 bits), rows of
// exactly the right length.
bool IsConsistent(const DibImage& dib);

// Packs the indices at the image's depth (1, 4, or else 8), the first pixel
// in the high bits. An image whose pixel count is not width * height gives a
// bitmap that is not consistent.
DibImage ToDib(const IndexedImage& image);

// The pixels at 24 or 32 bits (any other value means 32); the fourth byte of
// a 32-bit pixel is 0. Malformed images as above.
DibImage ToDib(const Rgb32Image& image, int bitsPerPixel);

}  // namespace kx
