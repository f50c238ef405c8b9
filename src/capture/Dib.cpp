#include "capture/Dib.h"

namespace kx {
namespace {

bool IsKnownDepth(int bitsPerPixel) {
  return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 24 ||
         bitsPerPixel == 32;
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

std::optional<DibView> ViewOf(const DibImage& dib) {
  if (!IsConsistent(dib)) return std::nullopt;
  const auto stride = static_cast<std::ptrdiff_t>(*DibRowStride(dib.width, dib.bitsPerPixel));
  const std::uint8_t* bottom = dib.rows.data();
  const std::uint8_t* top = dib.height > 0 ? bottom + (dib.height - 1) * stride : bottom;
  return DibView{dib.width, dib.height, dib.bitsPerPixel, dib.palette, {top, -stride}};
}

}  // namespace kx
