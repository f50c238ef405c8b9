#pragma once
// Reduction of a true-colour picture to a fixed palette.

#include "capture/Image.h"
#include "capture/IndexedImage.h"

namespace kx {

// Every pixel becomes the index of its nearest colour in the fixed palette of
// `bitsPerPixel` (1, 4 or 8; any other value means 8). No dithering.
IndexedImage ReduceColors(const Rgb32Image& image, int bitsPerPixel);

}  // namespace kx
