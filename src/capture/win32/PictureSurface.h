#pragma once
// The picture surface of the hidden main window: the current picture and a
// persistent drawing image that covers the whole of it. It is never shown,
// so it needs no window.
//
// Between actions it holds no picture. The last 32-bit section it let go of
// stays for a few seconds as its spare, for the next capture of the same
// size to copy into: a copy into a bitmap that exists is much faster than
// into a fresh one. It holds at most one spare.

#include <windows.h>

#include <cstdint>

#include "base/win32/ScopedWin.h"
#include "capture/win32/DibSection.h"
#include "capture/win32/Picture.h"

namespace kx::win {

class PictureSurface {
 public:
  // How long Release keeps the spare, and the id of the timer that ends it.
  static constexpr UINT kSpareKeptMs = 5000;
  static constexpr UINT_PTR kSpareTimerId = 0x4B58;

  explicit PictureSurface(UINT spareKeptMs = kSpareKeptMs) : spareKeptMs_(spareKeptMs) {}
  ~PictureSurface();
  PictureSurface(const PictureSurface&) = delete;
  PictureSurface& operator=(const PictureSurface&) = delete;

  // Replaces the picture (the old one is let go of); the drawing image starts
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

  // Lets go of the picture and the drawing image.
  void Clear();
  // The spare when it is a width x height section (its pixels are stale:
  // whoever takes it must cover them all); else nothing, and a spare of
  // another size is released.
  DibSection TakeSpare(std::int32_t width, std::int32_t height);
  void ReleaseSpare();
  // The end of an action: Clear, and the spare is released spareKeptMs later
  // by a timer on `timerWindow` (at once without a window), whose procedure
  // passes each WM_TIMER to OnTimer.
  void Release(HWND timerWindow);
  // True when `timer` is the spare's timer, which then releases the spare. A
  // WM_TIMER is only an id from whoever sent it, never a pointer.
  bool OnTimer(UINT_PTR timer);

  // A picture or a drawing image; the spare.
  bool HoldsPicture() const { return picture_ || image_.bitmap; }
  bool HoldsSpare() const { return static_cast<bool>(spare_.bitmap); }

 private:
  bool EnsureImage();
  void DropImage();
  void Keep(Picture picture);
  void StopTimer();

  Picture picture_;
  bool autoRedraw_ = false;
  DcHandle imageDc_;
  DibSection image_;
  HGDIOBJ imageDcDefault_ = nullptr;  // what imageDc_ held before image_
  DibSection spare_;
  UINT spareKeptMs_;
  HWND timerWindow_ = nullptr;  // where the spare's timer runs, if it does
};

}  // namespace kx::win
