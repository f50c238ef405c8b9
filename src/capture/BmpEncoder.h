#pragma once
// BMP files: file header, 40-byte information header, colour table, pixels.

#include <cstdint>
#include <optional>
#include <vector>

#include "capture/Dib.h"

namespace kx {

inline constexpr std::uint32_t kBmpFileHeaderSize = 14;
inline constexpr std::uint32_t kBmpInfoHeaderSize = 40;

// An uncompressed BMP of the bitmap: rows bottom-up as the bitmap holds them,
// a colour table of 2^bits entries up to 8 bits per pixel (entries the bitmap
// has none for are black). Nothing when the bitmap is not consistent or the
// file would not fit the format's 32-bit sizes.
std::optional<std::vector<std::uint8_t>> EncodeBmp(const DibImage& dib);

}  // namespace kx
