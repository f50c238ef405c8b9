#pragma once
// The fixed palettes of the reduced colour depths, colours as 0x00RRGGBB.

#include <cstdint>
#include <span>

namespace kx {

// Bits per pixel for a colour count: 2 gives 1, 16 gives 4, anything else 8.
int DepthForColorCount(std::int16_t colors);

// The palette of a reduced depth (1, 4 or 8 bits per pixel): black and white;
// the 16 standard VGA colours; those 16, the rest of the 6x6x6 cube and a grey
// ramp, 256 distinct colours. Any other depth gives an empty palette.
std::span<const std::uint32_t> FixedPalette(int bitsPerPixel);

}  // namespace kx
