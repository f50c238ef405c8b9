#include "capture/win32/DibSection.h"

#include "capture/Dib.h"

namespace kx::win {

DibSection CreateDibSection(std::int32_t width, std::int32_t height, int bitsPerPixel,
                            std::span<const std::uint32_t> palette) {
  const auto stride = DibRowStride(width, bitsPerPixel);
  if (!stride || width <= 0 || height <= 0 || palette.size() > 256) return {};
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = width;
  info.header.biHeight = height;  // positive: bottom-up
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = static_cast<DWORD>(palette.size());
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const std::uint32_t rgb = palette[i];
    info.colours[i] = RGBQUAD{static_cast<BYTE>(rgb), static_cast<BYTE>(rgb >> 8),
                              static_cast<BYTE>(rgb >> 16), 0};
  }
  void* bits = nullptr;
  BitmapHandle bitmap(::CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info),
                                         DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};
  const auto step = static_cast<std::ptrdiff_t>(*stride);
  return {std::move(bitmap), {static_cast<std::uint8_t*>(bits) + (height - 1) * step, -step}};
}

}  // namespace kx::win
