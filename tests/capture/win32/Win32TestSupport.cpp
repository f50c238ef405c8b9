#include "Win32TestSupport.h"

#include <cstdlib>

#include "base/win32/ScopedWin.h"

namespace kx::win::test {

Picture ScreenPicture(const Rgb32Image& image) {
  const WindowDc screen = WindowDc::Client(nullptr);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen.get(), image.width, image.height);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  ::SetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(image.height), image.pixels.data(), &info,
              DIB_RGB_COLORS);
  return Picture(bitmap, nullptr);
}

std::uint32_t PixelAt(const Rgb32Image& image, std::int32_t x, std::int32_t y) {
  return image.pixels.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                         static_cast<std::size_t>(x));
}

}  // namespace kx::win::test
