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

// A 32-bit section, as captures on a 32-bit display are: what the spare holds.
bool IsScreenSection(const Picture& picture) {
  return picture.SectionRows().top != nullptr && picture.BitsPerPixel() == 32;
}

}  // namespace

PictureSurface::~PictureSurface() {
  StopTimer();
  DropImage();  // the image must leave its DC before either goes
}

void PictureSurface::SetPicture(Picture picture) {
  DropImage();
  Keep(std::exchange(picture_, std::move(picture)));
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
  Keep(std::exchange(picture_, Picture(std::move(drawn), palette.release())));
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
  DibSection image;
  if (IsScreenSection(picture_)) image = TakeSpare(picture_.Width(), picture_.Height());
  if (!image.bitmap) image = BitmapLike(picture_, screen.get());
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

void PictureSurface::Clear() {
  DropImage();
  Keep(std::move(picture_));
}

DibSection PictureSurface::TakeSpare(std::int32_t width, std::int32_t height) {
  DibSection taken;
  BITMAP description{};
  if (spare_.bitmap && ::GetObjectW(spare_.bitmap.get(), sizeof description, &description) != 0 &&
      description.bmWidth == width && description.bmHeight == height) {
    taken = std::exchange(spare_, {});
  }
  ReleaseSpare();
  return taken;
}

void PictureSurface::ReleaseSpare() {
  StopTimer();
  spare_ = {};
}

void PictureSurface::Release(HWND timerWindow) {
  Clear();
  StopTimer();
  if (!spare_.bitmap) return;
  if (timerWindow && ::SetTimer(timerWindow, kSpareTimerId, spareKeptMs_, nullptr) != 0) {
    timerWindow_ = timerWindow;
  } else {
    ReleaseSpare();
  }
}

bool PictureSurface::OnTimer(UINT_PTR timer) {
  if (timer != kSpareTimerId) return false;
  ReleaseSpare();
  return true;
}

// A section the surface lets go of becomes the spare, in place of an older
// one; anything else is released.
void PictureSurface::Keep(Picture picture) {
  if (IsScreenSection(picture)) spare_ = picture.ReleaseSection();
}

void PictureSurface::StopTimer() {
  if (timerWindow_) ::KillTimer(timerWindow_, kSpareTimerId);
  timerWindow_ = nullptr;
}

}  // namespace kx::win
