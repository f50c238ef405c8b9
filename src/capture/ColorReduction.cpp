#include "capture/ColorReduction.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "capture/NearestColor.h"
#include "capture/PixelBlocks.h"

namespace kx {
namespace {

constexpr std::size_t kBlock = kBlockPixels;

// Writes the index over whole blocks; most runs are short.
void Fill(std::uint8_t* out, std::uint8_t index, std::size_t count) {
  if (count > 8 * kBlock) {
    std::memset(out, index, count);
    return;
  }
  const std::uint64_t eight = 0x0101010101010101ULL * index;
  for (std::size_t i = 0; i < count; i += kBlock) std::memcpy(out + i, &eight, kBlock);
}

// One index byte per pixel, a block at a time. Screens are made of runs of
// one colour and of areas, such as text, drawn with a few colours: a run of
// the last colour seen is filled at once; a block of at most four recent
// colours is compared with them at once; other blocks look their pixels up
// in a small cache while it keeps answering, and are mapped pixel by pixel
// without a branch once it stops, until the next row.
class RowMapper {
 public:
  explicit RowMapper(int bitsPerPixel) : map_(bitsPerPixel), lastIndex_(map_.IndexOf(last_)) {
    tags_.fill(RecentColours::kNone);
  }

  void Map(const std::uint32_t* in, std::size_t width, std::uint8_t* out) {
    // Locals, which stores through `out` cannot change.
    std::uint32_t last = last_;
    std::uint8_t lastIndex = lastIndex_;
    bool cached = true;
    std::size_t x = 0;
    while (x + kBlock <= width) {
      if (const std::size_t run = RunLength(in + x, width - x, last); run != 0) {
        Fill(out + x, lastIndex, run);
        x += run;
        if (x + kBlock > width) break;
      }
      if (cached) {
        if (const int index = IndicesOfRecent(in + x, recent_, out + x); index >= 0) {
          lastIndex = static_cast<std::uint8_t>(index);
        } else {
          std::size_t misses = 0;
          for (std::size_t i = x; i < x + kBlock; ++i) out[i] = Cached(in[i], misses);
          cached = misses < kBlock / 2;
          Remember(in + x, out + x);
          lastIndex = out[x + kBlock - 1];
        }
      } else {
        for (std::size_t i = x; i < x + kBlock; ++i) out[i] = map_.IndexOf(in[i]);
        lastIndex = out[x + kBlock - 1];
      }
      x += kBlock;
      last = in[x - 1];
    }
    for (; x < width; ++x) out[x] = map_.IndexOf(in[x]);
    last_ = last;
    lastIndex_ = lastIndex;
  }

 private:
  static constexpr int kCacheBits = 8;

  std::uint8_t Cached(std::uint32_t pixel, std::size_t& misses) {
    const std::uint32_t rgb = pixel & 0x00FFFFFFU;
    const std::uint32_t slot = (rgb * 0x9E3779B1U) >> (32 - kCacheBits);
    if (tags_[slot] == rgb) return indices_[slot];
    ++misses;
    tags_[slot] = rgb;
    return indices_[slot] = map_.IndexOf(rgb);
  }

  // The block's colours become the recent ones, replacing the oldest.
  void Remember(const std::uint32_t* in, const std::uint8_t* indices) {
    for (std::size_t i = 0; i < kBlock; ++i) {
      const std::uint32_t rgb = in[i] & 0x00FFFFFFU;
      const auto& colours = recent_.colours;
      if (std::find(colours.begin(), colours.end(), rgb) != colours.end()) continue;
      recent_.colours[nextRecent_] = rgb;
      recent_.indices[nextRecent_] = indices[i];
      nextRecent_ = (nextRecent_ + 1) % RecentColours::kCount;
    }
  }

  NearestColorMap map_;
  std::uint32_t last_ = 0;
  std::uint8_t lastIndex_;
  RecentColours recent_;
  std::size_t nextRecent_ = 0;
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
