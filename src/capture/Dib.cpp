#include "capture/Dib.h"

#include <algorithm>

namespace kx {
namespace {

bool IsKnownDepth(int bitsPerPixel) {
  return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 24 ||
         bitsPerPixel == 32;
}

std::size_t Stride(std::int32_t width, int bitsPerPixel) {
  return static_cast<std::size_t>(DibRowStride(width, bitsPerPixel).value_or(0));
}

std::size_t Size(std::int32_t value) { return static_cast<std::size_t>(std::max(value, 0)); }

// Packs one row of indices at 1 or 4 bits, a whole byte at a time; the
// first pixel goes to the high bits.
template <int kBits>
void PackRow(const std::uint8_t* in, std::size_t width, std::uint8_t* out) {
  constexpr std::size_t kPerByte = 8 / kBits;
  constexpr unsigned kMask = (1U << kBits) - 1;
  for (std::size_t x = 0; x < width; x += kPerByte) {
    const std::size_t count = std::min(kPerByte, width - x);
    unsigned byte = 0;
    for (std::size_t k = 0; k < kPerByte; ++k) {
      byte = (byte << kBits) | (k < count ? in[x + k] & kMask : 0U);
    }
    *out++ = static_cast<std::uint8_t>(byte);
  }
}

template <typename Image>
bool HasAllPixels(const Image& image, std::size_t count) {
  return image.width >= 0 && image.height >= 0 &&
         count == Size(image.width) * Size(image.height);
}

}  // namespace

std::optional<std::uint64_t> DibRowStride(std::int32_t width, int bitsPerPixel) {
  if (width < 0 || !IsKnownDepth(bitsPerPixel)) return std::nullopt;
  const std::uint64_t bits =
      static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitsPerPixel);
  return (bits + 31) / 32 * 4;
}

bool IsConsistent(const DibImage& dib) {
  const auto stride = DibRowStride(dib.width, dib.bitsPerPixel);
  if (!stride || dib.height < 0) return false;
  const std::uint64_t maxColours = dib.bitsPerPixel <= 8 ? (1U << dib.bitsPerPixel) : 0;
  return dib.palette.size() <= maxColours &&
         dib.rows.size() == *stride * static_cast<std::uint64_t>(dib.height);
}

DibImage ToDib(const IndexedImage& image) {
  DibImage dib;
  if (!HasAllPixels(image, image.indices.size())) return dib;
  dib.width = image.width;
  dib.height = image.height;
  dib.bitsPerPixel = image.bitsPerPixel == 1 || image.bitsPerPixel == 4 ? image.bitsPerPixel : 8;
  dib.palette = image.palette;
  const std::size_t width = Size(image.width);
  const std::size_t height = Size(image.height);
  const std::size_t stride = Stride(image.width, dib.bitsPerPixel);
  dib.rows.assign(stride * height, 0);
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint8_t* in = image.indices.data() + y * width;
    std::uint8_t* out = dib.rows.data() + (height - 1 - y) * stride;
    switch (dib.bitsPerPixel) {
      case 8:
        std::copy(in, in + width, out);
        break;
      case 4:
        PackRow<4>(in, width, out);
        break;
      default:
        PackRow<1>(in, width, out);
        break;
    }
  }
  return dib;
}

DibImage ToDib(const Rgb32Image& image, int bitsPerPixel) {
  DibImage dib;
  if (!HasAllPixels(image, image.pixels.size())) return dib;
  dib.width = image.width;
  dib.height = image.height;
  dib.bitsPerPixel = bitsPerPixel == 24 ? 24 : 32;
  const std::size_t width = Size(image.width);
  const std::size_t height = Size(image.height);
  const std::size_t stride = Stride(image.width, dib.bitsPerPixel);
  const std::size_t bytesPerPixel = static_cast<std::size_t>(dib.bitsPerPixel / 8);
  dib.rows.assign(stride * height, 0);
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint32_t* in = image.pixels.data() + y * width;
    std::uint8_t* out = dib.rows.data() + (height - 1 - y) * stride;
    for (std::size_t x = 0; x < width; ++x, out += bytesPerPixel) {
      const std::uint32_t rgb = in[x];
      out[0] = static_cast<std::uint8_t>(rgb);
      out[1] = static_cast<std::uint8_t>(rgb >> 8);
      out[2] = static_cast<std::uint8_t>(rgb >> 16);
    }
  }
  return dib;
}

}  // namespace kx
