#pragma once
// Reduction of true-colour pixels to the fixed palette of a depth.

#include <cstdint>

#include "capture/PixelRows.h"

namespace kx {

// Writes the index of the nearest colour of the fixed palette of
// `bitsPerPixel` (1, 4, or any other value for 8) for every pixel of the
// `width` x `height` source (0x00RRGGBB, the top byte ignored) into the
// target rows, packed as a device-independent bitmap packs them: the first
// pixel in the high bits, the unused low bits of a row's last byte zero.
// Bytes after a row's last pixel are left alone. No dithering.
void ReduceColors(PixelRows<const std::uint32_t> source, PixelRows<std::uint8_t> target,
                  std::int32_t width, std::int32_t height, int bitsPerPixel);

}  // namespace kx
