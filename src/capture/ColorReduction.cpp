#include "capture/ColorReduction.h"

#include "capture/NearestColor.h"
#include "capture/Palettes.h"

namespace kx {

IndexedImage ReduceColors(const Rgb32Image& image, int bitsPerPixel) {
  const int depth = bitsPerPixel == 1 || bitsPerPixel == 4 ? bitsPerPixel : 8;
  const auto palette = FixedPalette(depth);
  IndexedImage reduced;
  reduced.width = image.width;
  reduced.height = image.height;
  reduced.bitsPerPixel = depth;
  reduced.palette.assign(palette.begin(), palette.end());
  reduced.indices.resize(image.pixels.size());

  NearestColorMap map(palette);
  // Screens are made of runs of one colour: the last answer is kept, and a
  // run is passed over four pixels at a time.
  const std::uint32_t* in = image.pixels.data();
  const std::size_t count = image.pixels.size();
  if (count == 0) return reduced;
  std::uint32_t last = in[0] & 0x00FFFFFFU;
  std::uint8_t lastIndex = map.IndexOf(last);
  std::uint8_t* out = reduced.indices.data();
  std::size_t i = 0;
  while (i < count) {
    if (i + 4 <= count && ((in[i] ^ last) | (in[i + 1] ^ last) | (in[i + 2] ^ last) |
                           (in[i + 3] ^ last)) << 8 == 0) {
      out[i] = out[i + 1] = out[i + 2] = out[i + 3] = lastIndex;
      i += 4;
      continue;
    }
    const std::uint32_t rgb = in[i] & 0x00FFFFFFU;
    if (rgb != last) {
      last = rgb;
      lastIndex = map.IndexOf(rgb);
    }
    out[i++] = lastIndex;
  }
  return reduced;
}

}  // namespace kx
