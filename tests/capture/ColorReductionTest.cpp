#include "capture/ColorReduction.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "capture/Dib.h"
#include "capture/NearestColor.h"
#include "capture/Palettes.h"

namespace kx {
namespace {

constexpr std::uint8_t kUntouched = 0xEE;

// A reduction into a bottom-up bitmap whose rows are prefilled, as a BMP
// file keeps them.
struct Reduced {
  std::int32_t width;
  std::int32_t height;
  int bits;
  std::size_t stride;
  std::vector<std::uint8_t> rows;  // bottom row first

  std::uint8_t IndexAt(std::int32_t x, std::int32_t y) const {
    const std::uint8_t* row = rows.data() + static_cast<std::size_t>(height - 1 - y) * stride;
    const auto bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
    const unsigned shift = 8 - static_cast<unsigned>(bits) - bit % 8;
    return static_cast<std::uint8_t>((row[bit / 8] >> shift) & ((1U << bits) - 1));
  }
};

Reduced Reduce(const std::vector<std::uint32_t>& pixels, std::int32_t width, std::int32_t height,
               int bits) {
  const int depth = bits == 1 || bits == 4 ? bits : 8;
  Reduced reduced{width, height, depth, static_cast<std::size_t>(*DibRowStride(width, depth)), {}};
  reduced.rows.assign(reduced.stride * static_cast<std::size_t>(height), kUntouched);
  const auto step = static_cast<std::ptrdiff_t>(reduced.stride);
  std::uint8_t* top = reduced.rows.data() + (height - 1) * step;
  ReduceColors({pixels.data(), width}, {top, -step}, width, height, bits);
  return reduced;
}

void ExpectNearest(const std::vector<std::uint32_t>& pixels, const Reduced& reduced) {
  const auto palette = FixedPalette(reduced.bits);
  for (std::int32_t y = 0; y < reduced.height; ++y) {
    for (std::int32_t x = 0; x < reduced.width; ++x) {
      const std::uint32_t pixel = pixels[static_cast<std::size_t>(y * reduced.width + x)];
      ASSERT_EQ(reduced.IndexAt(x, y), NearestIndexBruteForce(palette, pixel))
          << "depth " << reduced.bits << " at " << x << "," << y << " colour " << std::hex << pixel;
    }
  }
}

std::vector<std::uint32_t> Noise(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::uint32_t> pixels(count);
  for (std::uint32_t& pixel : pixels) pixel = static_cast<std::uint32_t>(random());  // top byte too
  return pixels;
}

TEST(ReduceColors, EveryPixelGetsItsNearestPaletteIndex) {
  const auto pixels = Noise(37 * 11, 3);
  for (const int depth : {1, 4, 8}) ExpectNearest(pixels, Reduce(pixels, 37, 11, depth));
}

TEST(ReduceColors, AnyOtherDepthMeansEightBits) {
  for (const int depth : {0, 2, 16, 24, 32}) {
    const Reduced reduced = Reduce({0xFF0000}, 1, 1, depth);
    EXPECT_EQ(reduced.rows, (std::vector<std::uint8_t>{9, kUntouched, kUntouched, kUntouched}));
  }
}

// Indices packed high bits first; the unused low bits of a row's last byte
// are zero, and the padding after it is left alone.
TEST(ReduceColors, PacksRowsAndLeavesTheirEndsAlone) {
  // Black, white, black, white, white, then black to the end of the row.
  for (const int depth : {1, 4}) {
    for (std::int32_t width = 1; width <= 40; ++width) {
      SCOPED_TRACE(testing::Message() << depth << " x " << width);
      std::vector<std::uint32_t> pixels;
      for (std::int32_t y = 0; y < 2; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
          pixels.push_back(x == 1 || x == 3 || x == 4 ? 0xFFFFFF : 0x000000);
        }
      }
      const Reduced reduced = Reduce(pixels, width, 2, depth);
      const std::size_t used = (static_cast<std::size_t>(width * depth) + 7) / 8;
      for (std::size_t row = 0; row < 2; ++row) {
        const std::uint8_t* bytes = reduced.rows.data() + row * reduced.stride;
        for (std::size_t i = used; i < reduced.stride; ++i) EXPECT_EQ(bytes[i], kUntouched);
        const unsigned white = depth == 1 ? 1 : 15;
        if (depth == 1) {
          const auto expected = static_cast<std::uint8_t>(0x58 & (0xFF00 >> std::min(width, 8)));
          EXPECT_EQ(bytes[0], expected);
        } else {
          EXPECT_EQ(bytes[0], width > 1 ? white : 0);
          if (width > 2) {
            EXPECT_EQ(bytes[1], width > 3 ? white : 0);
          }
          if (width > 4) {
            EXPECT_EQ(bytes[2], white << 4);
          }
        }
      }
    }
  }
}

TEST(ReduceColors, RunsOfOneColourAndTheirEdges) {
  // Runs of every length around the eight-pixel blocks, some colours
  // differing only in the ignored top byte, over several rows.
  std::vector<std::uint32_t> pixels;
  const std::uint32_t colours[] = {0xFFFFFF, 0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x7F7F7F};
  for (int length = 1; length <= 20; ++length) {
    for (int i = 0; i < length; ++i)
      pixels.push_back(colours[length % 6] | (i % 3 == 0 ? 0xAA000000U : 0));
  }
  pixels.resize(210, 0xFF000000);
  for (const int depth : {1, 4, 8}) ExpectNearest(pixels, Reduce(pixels, 21, 10, depth));
}

// Text of a few colours, noise, then text again in every row, and rows of
// each alone: the colours must come out right whichever way they were
// looked up.
TEST(ReduceColors, FewColoursAndManyColoursInTurn) {
  const std::int32_t width = 300;
  std::vector<std::uint32_t> pixels;
  const auto noise = Noise(static_cast<std::size_t>(width) * 6, 7);
  const std::uint32_t text[] = {0x1E1E1E, 0xAAAAAF, 0xFFFFFF, 0x3C3C3C};
  for (std::int32_t y = 0; y < 6; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      const bool noisy = y == 2 || (y != 3 && x >= 100 && x < 200);
      const auto i = static_cast<std::size_t>(y * width + x);
      pixels.push_back(noisy ? noise[i] : text[(x * 7 + y) % 5 % 4]);
    }
  }
  for (const int depth : {1, 4, 8}) ExpectNearest(pixels, Reduce(pixels, width, 6, depth));
}

// Blocks of up to four colours among blocks of five or six, so that the
// colours kept as recent ones keep changing.
TEST(ReduceColors, ChangingSetsOfAFewColours) {
  const std::uint32_t colours[] = {0xFFFFFF, 0x202020, 0xC0C0C0, 0x0078D7, 0xE81123, 0x10893E};
  std::vector<std::uint32_t> pixels;
  for (std::int32_t y = 0; y < 12; ++y) {
    for (std::int32_t x = 0; x < 96; ++x) {
      const std::int32_t kinds = 2 + (x / 8 + y) % 5;  // 2 to 6 colours in a block
      pixels.push_back(colours[(x * 5 + y * 3) % kinds] | (x % 7 == 0 ? 0x3C000000U : 0));
    }
  }
  for (const int depth : {1, 4, 8}) ExpectNearest(pixels, Reduce(pixels, 96, 12, depth));
}

TEST(ReduceColors, TopDownTargetsGetTheSameIndices) {
  const auto pixels = Noise(19 * 5, 9);
  std::vector<std::uint8_t> topDown(20 * 5, kUntouched);
  ReduceColors({pixels.data(), 19}, {topDown.data(), 20}, 19, 5, 8);
  const Reduced bottomUp = Reduce(pixels, 19, 5, 8);
  for (std::int32_t y = 0; y < 5; ++y) {
    for (std::int32_t x = 0; x < 19; ++x) {
      EXPECT_EQ(topDown[static_cast<std::size_t>(y * 20 + x)], bottomUp.IndexAt(x, y));
    }
  }
}

TEST(ReduceColors, NothingToReduceWritesNothing) {
  std::vector<std::uint8_t> rows(8, kUntouched);
  const std::uint32_t pixel = 0xFFFFFF;
  ReduceColors({&pixel, 1}, {rows.data(), 4}, 0, 2, 8);
  ReduceColors({&pixel, 1}, {rows.data(), 4}, 1, 0, 8);
  ReduceColors({&pixel, 1}, {rows.data(), 4}, -1, 2, 8);
  EXPECT_EQ(rows, std::vector<std::uint8_t>(8, kUntouched));
}

}  // namespace
}  // namespace kx
