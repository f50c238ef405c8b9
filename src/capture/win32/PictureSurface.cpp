#include "capture/win32/PictureSurface.h"

#include <optional>
#include <utility>

#include "capture/win32/BitmapPixels.h"

namespace kx::win {
namespace {

// Copies `picture` into `target` at (0, 0) with the raster operation.
bool BlitPicture(HDC target, const Picture& picture, DWORD rasterOperation) {
  const DcHandle source(::CreateCompatibleDC(target));
  if (!source) return false;
  const ScopedSelectObject bitmap(source.get(), picture.Bitmap());
  std::optional<ScopedSelectPalette> palette;
  if (picture.Palette()) {
    palette.emplace(source.get(), picture.Palette());
    ::RealizePalette(source.get());
  }
  return ::BitBlt(target, 0, 0, picture.Width(), picture.Height(), source.get(), 0, 0,
                  rasterOperation) != FALSE;
}

}  // namespace

void PictureSurface::SetPicture(Picture picture) {
  DropImage();
  picture_ = std::move(picture);
  if (autoRedraw_) EnsureImage();
}

void PictureSurface::SetAutoRedraw(bool on) {
  autoRedraw_ = on;
  if (on) EnsureImage();
}

void PictureSurface::AdoptImage() {
  if (!image_.bitmap) return;
  ::SelectObject(imageDc_.get(), imageDcDefault_);
  imageDc_.reset();  // before the old picture's palette goes
  DibSection drawn = std::exchange(image_, {});
  PaletteHandle palette = CopyPalette(picture_.Palette());
  picture_ = Picture(std::move(drawn), palette.release());
  if (autoRedraw_) EnsureImage();
}

bool PictureSurface::PaintPicture(DWORD rasterOperation) {
  if (!autoRedraw_ || !EnsureImage()) return false;
  return BlitPicture(imageDc_.get(), picture_, rasterOperation);
}

void PictureSurface::Refresh() const { ::GdiFlush(); }

bool PictureSurface::EnsureImage() {
  if (image_.bitmap) return true;
  if (!picture_) return false;
  const WindowDc screen = WindowDc::Client(nullptr);
  DcHandle dc(::CreateCompatibleDC(screen.get()));
  DibSection image = BitmapLike(picture_, screen.get());
  if (!dc || !image.bitmap) return false;
  const HGDIOBJ previous = ::SelectObject(dc.get(), image.bitmap.get());
  if (picture_.Palette()) {
    ::SelectPalette(dc.get(), picture_.Palette(), FALSE);
    ::RealizePalette(dc.get());
  }
  if (!BlitPicture(dc.get(), picture_, SRCCOPY)) {
    ::SelectObject(dc.get(), previous);
    return false;
  }
  imageDc_ = std::move(dc);
  image_ = std::move(image);
  imageDcDefault_ = previous;
  return true;
}

void PictureSurface::DropImage() {
  if (imageDc_) ::SelectObject(imageDc_.get(), imageDcDefault_);
  image_ = {};
  imageDc_.reset();
}

}  // namespace kx::win
