#include "capture/ColorReduction.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "capture/NearestColor.h"

namespace kx {
namespace {

constexpr std::size_t kBlock = 8;

// How many of the `count` pixels, whole blocks of them, have the colour,
// top bytes aside.
std::size_t RunLength(const std::uint32_t* pixels, std::size_t count, std::uint32_t rgb) {
  std::size_t length = 0;
  for (; length + kBlock <= count; length += kBlock) {
    std::uint32_t differ = 0;
    for (std::size_t i = 0; i < kBlock; ++i) differ |= pixels[length + i] ^ rgb;
    if ((differ & 0x00FFFFFFU) != 0) break;
  }
  return length;
}

// One index byte per pixel. Screens are made of runs of one colour, and of
// areas such as text drawn with a few colours: a block of the last colour
// seen is filled at once; other blocks look their pixels up in a small
// cache of recent colours while it keeps answering, and are mapped pixel
// by pixel without a branch once it stops, until the next row.
class RowMapper {
 public:
  explicit RowMapper(int bitsPerPixel) : map_(bitsPerPixel), lastIndex_(map_.IndexOf(last_)) {
    tags_.fill(kNoColour);
  }

  void Map(const std::uint32_t* in, std::size_t width, std::uint8_t* out) {
    // Locals, which stores through `out` cannot change.
    std::uint32_t last = last_;
    std::uint8_t lastIndex = lastIndex_;
    bool cached = true;
    std::size_t x = 0;
    while (x + kBlock <= width) {
      const std::size_t run = RunLength(in + x, width - x, last);
      std::memset(out + x, lastIndex, run);
      x += run;
      if (x + kBlock > width) break;
      if (cached) {
        std::size_t misses = 0;
        for (std::size_t i = x; i < x + kBlock; ++i) out[i] = Cached(in[i], misses);
        cached = misses < kBlock / 2;
      } else {
        for (std::size_t i = x; i < x + kBlock; ++i) out[i] = map_.IndexOf(in[i]);
      }
      x += kBlock;
      last = in[x - 1];
      lastIndex = out[x - 1];
    }
    for (; x < width; ++x) out[x] = map_.IndexOf(in[x]);
    last_ = last;
    lastIndex_ = lastIndex;
  }

 private:
  static constexpr std::uint32_t kNoColour = 0xFF000000U;  // no pixel's colour once masked
  static constexpr int kCacheBits = 8;

  std::uint8_t Cached(std::uint32_t pixel, std::size_t& misses) {
    const std::uint32_t rgb = pixel & 0x00FFFFFFU;
    const std::uint32_t slot = (rgb * 0x9E3779B1U) >> (32 - kCacheBits);
    if (tags_[slot] == rgb) return indices_[slot];
    ++misses;
    tags_[slot] = rgb;
    return indices_[slot] = map_.IndexOf(rgb);
  }

  NearestColorMap map_;
  std::uint32_t last_ = 0;
  std::uint8_t lastIndex_;
  std::array<std::uint32_t, std::size_t{1} << kCacheBits> tags_{};
  std::array<std::uint8_t, std::size_t{1} << kCacheBits> indices_{};
};

// Packs indices at 4 bits, two to a byte, the first in the high bits.
void PackNibbles(const std::uint8_t* in, std::size_t width, std::uint8_t* out) {
  const std::size_t pairs = width / 2;
  for (std::size_t i = 0; i < pairs; ++i) {
    out[i] = static_cast<std::uint8_t>((in[2 * i] << 4) | (in[2 * i + 1] & 0x0F));
  }
  if (width % 2 != 0) out[pairs] = static_cast<std::uint8_t>(in[width - 1] << 4);
}

// Packs indices of 0 and 1, eight to a byte, the first in the high bit: one
// multiplication moves the low bit of each of eight bytes to its place in
// the top byte, with no two partial products meeting.
void PackBits(const std::uint8_t* in, std::size_t width, std::uint8_t* out) {
  const auto pack = [](std::uint64_t eight) {
    return static_cast<std::uint8_t>(((eight & 0x0101010101010101ULL) * 0x8040201008040201ULL) >>
                                     56);
  };
  std::size_t x = 0;
  for (; x + 8 <= width; x += 8) {
    std::uint64_t eight;
    std::memcpy(&eight, in + x, sizeof eight);
    *out++ = pack(eight);
  }
  if (x < width) {
    std::uint64_t rest = 0;
    std::memcpy(&rest, in + x, width - x);
    *out = pack(rest);
  }
}

}  // namespace

void ReduceColors(PixelRows<const std::uint32_t> source, PixelRows<std::uint8_t> target,
                  std::int32_t width, std::int32_t height, int bitsPerPixel) {
  if (width <= 0 || height <= 0) return;
  const int depth = bitsPerPixel == 1 || bitsPerPixel == 4 ? bitsPerPixel : 8;
  const auto count = static_cast<std::size_t>(width);
  RowMapper mapper(depth);
  std::vector<std::uint8_t> indices(depth == 8 ? 0 : count);
  for (std::int32_t y = 0; y < height; ++y) {
    std::uint8_t* out = target.Row(y);
    switch (depth) {
      case 8:
        mapper.Map(source.Row(y), count, out);
        break;
      case 4:
        mapper.Map(source.Row(y), count, indices.data());
        PackNibbles(indices.data(), count, out);
        break;
      default:
        mapper.Map(source.Row(y), count, indices.data());
        PackBits(indices.data(), count, out);
        break;
    }
  }
}

}  // namespace kx
