#pragma once
// Device-independent bitmaps in the layout of a BMP file: rows of whole
// 32-bit words, bottom row first.

#include <cstdint>
#include <optional>
#include <vector>

#include "capture/PixelRows.h"

namespace kx {

// A bitmap whose rows lie elsewhere, in a bitmap section or a DibImage.
struct DibView {
  std::int32_t width = 0;
  std::int32_t height = 0;
  int bitsPerPixel = 0;                // 1, 4, 8, 24 or 32
  std::vector<std::uint32_t> palette;  // colour table, 0x00RRGGBB; up to 8 bits only
  PixelRows<const std::uint8_t> rows;  // each DibRowStride bytes long
};

// A bitmap holding its own rows.
struct DibImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  int bitsPerPixel = 0;                // 1, 4, 8, 24 or 32
  std::vector<std::uint32_t> palette;  // colour table, 0x00RRGGBB; up to 8 bits only
  std::vector<std::uint8_t> rows;      // height * DibRowStride, bottom row first

  bool operator==(const DibImage&) const = default;
};

// Bytes per row: width * bits rounded up to whole 32-bit words; nothing for a
// negative width or a depth that is not 1, 4, 8, 24 or 32.
[[nodiscard]] std::optional<std::uint64_t> DibRowStride(std::int32_t width, int bitsPerPixel);

// True when the fields agree with each other: a known depth, no negative
// size, a colour table that fits the depth (and none above 8 bits), rows of
// exactly the right length.
bool IsConsistent(const DibImage& dib);

// The image's rows seen in place (the image must outlive the view); nothing
// when the image is not consistent.
[[nodiscard]] std::optional<DibView> ViewOf(const DibImage& dib);

}  // namespace kx
