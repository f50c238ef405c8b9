#pragma once
// The picture surface of the hidden main window: the current picture and a
// persistent drawing image that covers the whole of it. It is never shown,
// so it needs no window.

#include <windows.h>

#include "base/win32/ScopedWin.h"
#include "capture/win32/Picture.h"

namespace kx::win {

class PictureSurface {
 public:
  PictureSurface() = default;
  ~PictureSurface() { DropImage(); }  // the image must leave its DC before either goes
  PictureSurface(const PictureSurface&) = delete;
  PictureSurface& operator=(const PictureSurface&) = delete;

  // Replaces the picture (the old one is released); the drawing image starts
  // again as a copy of the new picture.
  void SetPicture(Picture picture);
  const Picture& GetPicture() const { return picture_; }

  // On: drawing through DrawingDc() and PaintPicture goes into the persistent image,
  // made as a copy of the picture when it does not exist yet. Off: there is
  // nothing to draw on, as the surface is never shown.
  void SetAutoRedraw(bool on);
  bool AutoRedraw() const { return autoRedraw_; }

  // The drawing context of the persistent image while auto-redraw is on;
  // null while it is off or the surface holds no picture.
  HDC DrawingDc() const { return autoRedraw_ ? imageDc_.get() : nullptr; }

  // Makes what was drawn into the image the picture (with the picture's
  // palette). Without an image the picture stays as it is.
  void AdoptImage();

  // Paints the picture onto the image at (0, 0) in its full size with the
  // raster operation (DSTINVERT inverts every pixel); only while auto-redraw
  // is on. True when the block copy was done.
  bool PaintPicture(DWORD rasterOperation);

  // Completes drawing the system still holds back, so that the image's bits
  // are final.
  void Refresh() const;

 private:
  bool EnsureImage();
  void DropImage();

  Picture picture_;
  bool autoRedraw_ = false;
  DcHandle imageDc_;
  DibSection image_;
  HGDIOBJ imageDcDefault_ = nullptr;  // what imageDc_ held before image_
};

}  // namespace kx::win
