// Pictures of any size, odd widths included, at every depth: a reduced
// picture's file decodes to the nearest palette colour of each pixel, a full
// colour file to the pixels themselves, read in pieces of any size; the
// reduction leaves the bytes after each row's pixels alone. Bitmaps of any
// header values are refused, or get the file size the format gives them.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <map>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "capture/BmpEncoder.h"
#include "capture/ColorReduction.h"
#include "capture/Palettes.h"

namespace {

constexpr std::uint8_t kUntouched = 0xA5;

using kx::fuzz::Check;

std::uint64_t Stride(std::int64_t width, int bits) {
  return (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bits) + 31) / 32 * 4;
}

// Least squared distance, ties to the lower index.
std::uint32_t Nearest(std::span<const std::uint32_t> palette, std::uint32_t pixel) {
  const auto channel = [](std::uint32_t rgb, int shift) {
    return static_cast<std::int32_t>((rgb >> shift) & 0xFFU);
  };
  std::uint32_t best = 0;
  std::int32_t bestDistance = std::numeric_limits<std::int32_t>::max();
  for (const std::uint32_t colour : palette) {
    std::int32_t distance = 0;
    for (const int shift : {0, 8, 16}) {
      const std::int32_t d = channel(colour, shift) - channel(pixel, shift);
      distance += d * d;
    }
    if (distance < bestDistance) {
      bestDistance = distance;
      best = colour;
    }
  }
  return best;
}

// Header values any bitmap might carry: refused, or the format's file size.
void CheckFileSize(FuzzedDataProvider& input) {
  kx::DibView dib;
  dib.width = input.ConsumeIntegral<std::int32_t>();
  dib.height = input.ConsumeIntegral<std::int32_t>();
  dib.bitsPerPixel = input.ConsumeIntegralInRange(-1, 33);
  dib.palette.resize(input.ConsumeIntegralInRange<std::size_t>(0, 300));
  const auto file = kx::BmpFile::Of(dib);

  const bool known = dib.bitsPerPixel == 1 || dib.bitsPerPixel == 4 || dib.bitsPerPixel == 8 ||
                     dib.bitsPerPixel == 24 || dib.bitsPerPixel == 32;
  if (!known || dib.width < 0 || dib.height < 0) {
    Check(!file);
    return;
  }
  const std::uint64_t table = dib.bitsPerPixel <= 8 ? std::uint64_t{1} << dib.bitsPerPixel : 0;
  const std::uint64_t size =
      54 + 4 * table + Stride(dib.width, dib.bitsPerPixel) * static_cast<std::uint64_t>(dib.height);
  if (dib.palette.size() > table || size > std::numeric_limits<std::uint32_t>::max()) {
    Check(!file);
    return;
  }
  Check(file && file->Size() == size);
}

// Little-endian values of `count` bytes.
std::uint32_t Value(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = count; i-- > 0;) value = value << 8 | bytes[at + i];
  return value;
}
std::uint32_t U32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return Value(bytes, at, 4);
}
std::uint32_t U16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return Value(bytes, at, 2);
}

// The whole file, read in pieces of `piece` bytes: each read fills its
// buffer unless the file ends first.
std::vector<std::uint8_t> ReadFile(kx::BmpFile& file, std::size_t piece) {
  std::vector<std::uint8_t> bytes;
  std::vector<std::uint8_t> buffer(piece);
  for (;;) {
    const std::size_t count = file.Read(buffer);
    Check(count == std::min<std::size_t>(piece, file.Size() - bytes.size()));
    if (count == 0) return bytes;
    bytes.insert(bytes.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count));
  }
}

// Decodes the file (checking every header field) into its pixels, rows
// top-down, as 0x00RRGGBB; `table` receives the colour table.
std::vector<std::uint32_t> Decode(const std::vector<std::uint8_t>& bytes, std::int32_t width,
                                  std::int32_t height, int bits,
                                  std::vector<std::uint32_t>& table) {
  const std::uint32_t entries = bits <= 8 ? 1U << bits : 0;
  const std::uint32_t offset = 54 + 4 * entries;
  const std::uint64_t stride = Stride(width, bits);
  Check(bytes.size() == offset + stride * static_cast<std::uint64_t>(height));
  Check(bytes[0] == 'B' && bytes[1] == 'M' && U32(bytes, 2) == bytes.size());
  Check(U32(bytes, 6) == 0 && U32(bytes, 10) == offset && U32(bytes, 14) == 40);
  Check(U32(bytes, 18) == static_cast<std::uint32_t>(width));
  Check(U32(bytes, 22) == static_cast<std::uint32_t>(height));
  Check(U16(bytes, 26) == 1 && U16(bytes, 28) == static_cast<std::uint32_t>(bits));
  Check(U32(bytes, 30) == 0 && U32(bytes, 34) == bytes.size() - offset);
  for (std::size_t at = 38; at < 54; at += 4) Check(U32(bytes, at) == 0);
  table.clear();
  for (std::uint32_t i = 0; i < entries; ++i) {
    const std::uint32_t entry = U32(bytes, 54 + 4 * i);
    Check(entry >> 24 == 0);
    table.push_back(entry);
  }

  std::vector<std::uint32_t> pixels;
  for (std::int32_t y = 0; y < height; ++y) {
    const std::size_t row = offset + static_cast<std::size_t>(height - 1 - y) * stride;
    for (std::int32_t x = 0; x < width; ++x) {
      const auto column = static_cast<std::size_t>(x);
      if (bits == 24 || bits == 32) {
        const std::size_t at = row + column * static_cast<std::size_t>(bits / 8);
        pixels.push_back(Value(bytes, at, 3));
        if (bits == 32) Check(bytes[at + 3] == 0);
      } else {
        const std::size_t bit = column * static_cast<std::size_t>(bits);
        const std::uint32_t byte = bytes[row + bit / 8];
        const std::size_t shift = 8 - static_cast<std::size_t>(bits) - bit % 8;
        const std::uint32_t index = (byte >> shift) & ((1U << bits) - 1);
        pixels.push_back(table[index]);
      }
    }
  }
  return pixels;
}

// Pixels top-down, with any top byte: the input's bytes over and over.
std::vector<std::uint32_t> PixelsOf(const std::vector<std::uint8_t>& bytes, std::size_t count) {
  std::vector<std::uint32_t> pixels(count);
  for (std::size_t i = 0; i < count && !bytes.empty(); ++i) {
    for (std::size_t k = 0; k < 4; ++k) {
      pixels[i] |= static_cast<std::uint32_t>(bytes[(4 * i + k) % bytes.size()]) << (8 * k);
    }
  }
  return pixels;
}

// Reduces the pixels (stored top row or bottom row first) into the bitmap,
// as captures are reduced, and checks the bytes after each row's pixels:
// the last byte's unused bits clear, the rest untouched. The colours the
// file is to show.
std::vector<std::uint32_t> Reduce(std::vector<std::uint32_t> pixels, bool bottomUp,
                                  kx::DibImage& dib) {
  const std::int32_t width = dib.width;
  const std::int32_t height = dib.height;
  const auto palette = kx::FixedPalette(dib.bitsPerPixel);
  dib.palette.assign(palette.begin(), palette.end());
  std::vector<std::uint32_t> expected;
  if (height == 0) return expected;

  const auto stride =
      static_cast<std::ptrdiff_t>(dib.rows.size() / static_cast<std::size_t>(height));
  const kx::PixelRows<std::uint8_t> target{dib.rows.data() + (height - 1) * stride, -stride};
  kx::PixelRows<const std::uint32_t> source{pixels.data(), width};
  if (bottomUp) {
    std::vector<std::uint32_t> flipped;
    for (std::int32_t y = height - 1; y >= 0; --y) {
      const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y) * width;
      flipped.insert(flipped.end(), row, row + width);
    }
    pixels.swap(flipped);
    source = {pixels.data() + static_cast<std::ptrdiff_t>(height - 1) * width, -width};
  }
  kx::ReduceColors(source, target, width, height, dib.bitsPerPixel);

  std::map<std::uint32_t, std::uint32_t> nearest;  // by colour
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      const std::uint32_t rgb = source.Row(y)[x] & 0x00FFFFFFU;
      const auto found = nearest.try_emplace(rgb, 0);
      if (found.second) found.first->second = Nearest(palette, rgb);
      expected.push_back(found.first->second);
    }
  }
  const auto bits = static_cast<std::size_t>(width) * static_cast<std::size_t>(dib.bitsPerPixel);
  const std::size_t used = (bits + 7) / 8;
  const std::size_t spareBits = (8 - bits % 8) % 8;
  for (std::int32_t y = 0; y < height; ++y) {
    const std::uint8_t* row = target.Row(y);
    if (used > 0) Check((row[used - 1] & ((1U << spareBits) - 1)) == 0);
    for (auto at = static_cast<std::ptrdiff_t>(used); at < stride; ++at) {
      Check(row[at] == kUntouched);
    }
  }
  return expected;
}

// Stores the pixels into the full colour bitmap, the fourth byte of a
// 32-bit pixel as it came; the colours the file is to show.
std::vector<std::uint32_t> Store(const std::vector<std::uint32_t>& pixels, kx::DibImage& dib) {
  std::vector<std::uint32_t> expected;
  const auto width = static_cast<std::size_t>(dib.width);
  const auto height = static_cast<std::size_t>(dib.height);
  if (height == 0) return expected;
  const std::size_t stride = dib.rows.size() / height;
  for (std::size_t y = 0; y < height; ++y) {
    std::uint8_t* out = dib.rows.data() + (height - 1 - y) * stride;
    for (std::size_t x = 0; x < width; ++x) {
      const std::uint32_t pixel = pixels[y * width + x];
      for (int k = 0; k < dib.bitsPerPixel / 8; ++k) {
        *out++ = static_cast<std::uint8_t>(pixel >> (8 * k));
      }
      expected.push_back(pixel & 0x00FFFFFFU);
    }
  }
  return expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  CheckFileSize(input);

  const int bits = input.PickValueInArray({1, 4, 8, 24, 32});
  // Widths past 64 pixels reach the reduction's long runs; heights past 2 its
  // colours carried from row to row.
  const std::int32_t width = input.ConsumeIntegralInRange(0, 150);
  const std::int32_t height = input.ConsumeIntegralInRange(0, 6);
  const bool bottomUp = input.ConsumeBool();
  const std::size_t piece = input.ConsumeIntegralInRange<std::size_t>(1, 5000);
  const std::vector<std::uint32_t> pixels =
      PixelsOf(input.ConsumeRemainingBytes<std::uint8_t>(),
               static_cast<std::size_t>(width) * static_cast<std::size_t>(height));

  const std::size_t rows = Stride(width, bits) * static_cast<std::uint64_t>(height);
  kx::DibImage dib{width, height, bits, {}, std::vector<std::uint8_t>(rows, kUntouched)};
  const std::vector<std::uint32_t> expected =
      bits <= 8 ? Reduce(pixels, bottomUp, dib) : Store(pixels, dib);

  const auto view = kx::ViewOf(dib);
  Check(view.has_value());
  auto file = kx::BmpFile::Of(*view);
  Check(file.has_value());
  std::vector<std::uint32_t> table;
  Check(Decode(ReadFile(*file, piece), width, height, bits, table) == expected);
  Check(table == dib.palette);  // empty above 8 bits
  return 0;
}
