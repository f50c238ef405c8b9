#include "capture/win32/Picture.h"

#include <utility>
#include <vector>

#include "capture/Himetric.h"

namespace kx::win {
namespace {

std::int32_t ScreenPixelsPerInch(int index) {
  const HDC screen = ::GetDC(nullptr);
  const int pixelsPerInch = ::GetDeviceCaps(screen, index);
  ::ReleaseDC(nullptr, screen);
  return pixelsPerInch;
}

}  // namespace

Picture::Picture(HBITMAP bitmap, HPALETTE palette) : bitmap_(bitmap), palette_(palette) {
  BITMAP description{};
  if (!bitmap_ || ::GetObjectW(bitmap_.get(), sizeof description, &description) == 0) {
    bitmap_.reset();
    palette_.reset();
    return;
  }
  width_ = description.bmWidth;
  height_ = description.bmHeight < 0 ? -description.bmHeight : description.bmHeight;
  bitsPerPixel_ = description.bmBitsPixel * description.bmPlanes;
}

Picture::Picture(DibSection section, HPALETTE palette)
    : Picture(section.bitmap.release(), palette) {
  if (bitmap_) rows_ = section.rows;
}

Picture::Picture(Picture&& other) noexcept
    : bitmap_(std::move(other.bitmap_)),
      palette_(std::move(other.palette_)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      bitsPerPixel_(std::exchange(other.bitsPerPixel_, 0)),
      rows_(std::exchange(other.rows_, {})) {}

Picture& Picture::operator=(Picture&& other) noexcept {
  if (this != &other) {
    bitmap_ = std::move(other.bitmap_);
    palette_ = std::move(other.palette_);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    bitsPerPixel_ = std::exchange(other.bitsPerPixel_, 0);
    rows_ = std::exchange(other.rows_, {});
  }
  return *this;
}

DibSection Picture::ReleaseSection() {
  if (!bitmap_ || rows_.top == nullptr) return {};
  DibSection section{std::move(bitmap_), std::exchange(rows_, {})};
  *this = Picture();
  return section;
}

std::int32_t Picture::WidthHimetric() const {
  return PixelsToHimetric(width_, ScreenPixelsPerInch(LOGPIXELSX));
}

std::int32_t Picture::HeightHimetric() const {
  return PixelsToHimetric(height_, ScreenPixelsPerInch(LOGPIXELSY));
}

PaletteHandle CopyPalette(HPALETTE palette) {
  if (!palette) return {};
  const UINT count = ::GetPaletteEntries(palette, 0, 0, nullptr);
  if (count == 0) return {};
  std::vector<BYTE> storage(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
  auto* logical = reinterpret_cast<LOGPALETTE*>(storage.data());
  logical->palVersion = 0x300;
  logical->palNumEntries = static_cast<WORD>(count);
  ::GetPaletteEntries(palette, 0, count, logical->palPalEntry);
  return PaletteHandle(::CreatePalette(logical));
}

}  // namespace kx::win
