#include "e2e/harness/BmpFile.h"

#include "support/TempFolder.h"

namespace kx::e2e {
namespace {

std::uint32_t U32(const std::string& b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t U16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    static_cast<unsigned char>(b[at + 1]) << 8);
}

}  // namespace

std::optional<BmpFile> ReadBmpFile(const std::filesystem::path& file) {
  const std::string b = test::ReadAll(file);
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || U32(b, 2) != b.size()) return std::nullopt;
  const std::uint32_t pixelOffset = U32(b, 10);
  const std::uint32_t headerSize = U32(b, 14);
  BmpFile bmp;
  bmp.width = static_cast<std::int32_t>(U32(b, 18));
  const auto height = static_cast<std::int32_t>(U32(b, 22));
  bmp.bitsPerPixel = U16(b, 28);
  if (headerSize < 40 || U32(b, 30) != 0 || bmp.width <= 0 || height == 0) return std::nullopt;
  const bool bottomUp = height > 0;
  bmp.height = bottomUp ? height : -height;

  if (bmp.bitsPerPixel <= 8) {
    const std::uint32_t used = U32(b, 46);
    const std::size_t entries = used != 0 ? used : (1U << bmp.bitsPerPixel);
    const std::size_t table = 14 + headerSize;
    if (table + entries * 4 > pixelOffset) return std::nullopt;
    for (std::size_t i = 0; i < entries; ++i)
      bmp.palette.push_back(U32(b, table + i * 4) & 0xFFFFFF);
  }
  const std::size_t stride =
      (static_cast<std::size_t>(bmp.width) * static_cast<std::size_t>(bmp.bitsPerPixel) + 31) / 32 *
      4;
  if (pixelOffset + stride * static_cast<std::size_t>(bmp.height) > b.size()) return std::nullopt;

  bmp.pixels.reserve(static_cast<std::size_t>(bmp.width) * static_cast<std::size_t>(bmp.height));
  for (std::int32_t y = 0; y < bmp.height; ++y) {
    const std::size_t row =
        pixelOffset + stride * static_cast<std::size_t>(bottomUp ? bmp.height - 1 - y : y);
    for (std::int32_t x = 0; x < bmp.width; ++x) {
      const auto ux = static_cast<std::size_t>(x);
      std::uint32_t value = 0;
      switch (bmp.bitsPerPixel) {
        case 32:
          value = U32(b, row + ux * 4) & 0xFFFFFF;
          break;
        case 24:
          value = U32(b, row + ux * 3) & 0xFFFFFF;
          break;
        case 8:
          value = bmp.palette.at(static_cast<unsigned char>(b[row + ux]));
          break;
        case 4: {
          const auto byte = static_cast<unsigned char>(b[row + ux / 2]);
          value = bmp.palette.at(ux % 2 == 0 ? byte >> 4 : byte & 0x0F);
          break;
        }
        case 1: {
          const auto byte = static_cast<unsigned char>(b[row + ux / 8]);
          value = bmp.palette.at((byte >> (7 - ux % 8)) & 1);
          break;
        }
        default:
          return std::nullopt;
      }
      bmp.pixels.push_back(value);
    }
  }
  return bmp;
}

}  // namespace kx::e2e
