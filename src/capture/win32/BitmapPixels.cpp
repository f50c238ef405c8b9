#include "capture/win32/BitmapPixels.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace kx::win {
namespace {

struct BitmapInfo {  // header and room for a full colour table
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

BitmapInfo DescribeDib(std::int32_t width, std::int32_t height, int bitsPerPixel) {
  BitmapInfo info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = width;
  info.header.biHeight = height;  // negative: rows top-down
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.header.biCompression = BI_RGB;
  return info;
}

int FileDepth(int bitsPerPixel) {
  if (bitsPerPixel <= 1) return 1;
  if (bitsPerPixel <= 4) return 4;
  if (bitsPerPixel <= 8) return 8;
  return bitsPerPixel == 32 ? 32 : 24;
}

// Reads the picture's rows into `buffer` in the form `info` describes,
// through a memory context with the picture's palette realised.
bool ReadRows(const Picture& picture, BitmapInfo& info, void* buffer, HDC compatibleWith) {
  const DcHandle memory(::CreateCompatibleDC(compatibleWith));
  if (!memory) return false;
  std::optional<ScopedSelectPalette> palette;
  if (picture.Palette()) {
    palette.emplace(memory.get(), picture.Palette());
    ::RealizePalette(memory.get());
  }
  const int lines = ::GetDIBits(memory.get(), picture.Bitmap(), 0,
                                static_cast<UINT>(picture.Height()), buffer,
                                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  return lines == picture.Height();
}

}  // namespace

Rgb32Image ReadPixels(const Picture& picture, HDC compatibleWith) {
  if (!picture || picture.Width() <= 0 || picture.Height() <= 0) return {};
  Rgb32Image image;
  image.width = picture.Width();
  image.height = picture.Height();
  image.pixels.resize(static_cast<std::size_t>(image.width) *
                      static_cast<std::size_t>(image.height));
  BitmapInfo info = DescribeDib(image.width, -image.height, 32);
  if (!ReadRows(picture, info, image.pixels.data(), compatibleWith)) return {};
  for (std::uint32_t& pixel : image.pixels) pixel &= 0x00FFFFFFU;
  return image;
}

std::optional<DibImage> ReadDib(const Picture& picture) {
  if (!picture || picture.Width() <= 0 || picture.Height() <= 0) return std::nullopt;
  DibImage dib;
  dib.width = picture.Width();
  dib.height = picture.Height();
  dib.bitsPerPixel = FileDepth(picture.BitsPerPixel());
  const auto stride = DibRowStride(dib.width, dib.bitsPerPixel);
  if (!stride) return std::nullopt;
  dib.rows.resize(static_cast<std::size_t>(*stride) * static_cast<std::size_t>(dib.height));
  BitmapInfo info = DescribeDib(dib.width, dib.height, dib.bitsPerPixel);
  if (!ReadRows(picture, info, dib.rows.data(), nullptr)) return std::nullopt;
  if (dib.bitsPerPixel <= 8) {
    const std::size_t entries = std::size_t{1} << dib.bitsPerPixel;
    for (std::size_t i = 0; i < entries; ++i) {
      const RGBQUAD& c = info.colours[i];
      dib.palette.push_back((std::uint32_t{c.rgbRed} << 16) | (std::uint32_t{c.rgbGreen} << 8) |
                            c.rgbBlue);
    }
  } else if (dib.bitsPerPixel == 32) {
    for (std::size_t i = 3; i < dib.rows.size(); i += 4) dib.rows[i] = 0;
  }
  return dib;
}

BitmapHandle BitmapFromDib(const DibImage& dib) {
  if (!IsConsistent(dib) || dib.width == 0 || dib.height == 0) return {};
  BitmapInfo info = DescribeDib(dib.width, dib.height, dib.bitsPerPixel);
  for (std::size_t i = 0; i < dib.palette.size(); ++i) {
    const std::uint32_t rgb = dib.palette[i];
    info.colours[i] = RGBQUAD{static_cast<BYTE>(rgb), static_cast<BYTE>(rgb >> 8),
                              static_cast<BYTE>(rgb >> 16), 0};
  }
  info.header.biClrUsed = static_cast<DWORD>(dib.palette.size());
  void* bits = nullptr;
  BitmapHandle bitmap(::CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info),
                                         DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};
  std::memcpy(bits, dib.rows.data(), dib.rows.size());
  return bitmap;
}

}  // namespace kx::win
