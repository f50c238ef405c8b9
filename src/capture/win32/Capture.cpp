#include "capture/win32/Capture.h"

#include <dwmapi.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <utility>

#include "base/win32/ScopedWin.h"
#include "base/win32/SystemLibrary.h"
#include "capture/CaptureArea.h"
#include "capture/win32/BitmapPixels.h"

namespace kx::win {
namespace {

constexpr int kSystemPaletteSize = 256;

bool HasSystemPalette(HDC dc) {
  return (::GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0 &&
         ::GetDeviceCaps(dc, SIZEPALETTE) == kSystemPaletteSize;
}

PaletteHandle SystemPalette(HDC dc) {
  struct {
    LOGPALETTE header;
    PALETTEENTRY more[kSystemPaletteSize - 1];
  } logical{};
  logical.header.palVersion = 0x300;
  logical.header.palNumEntries = kSystemPaletteSize;
  ::GetSystemPaletteEntries(dc, 0, kSystemPaletteSize, logical.header.palPalEntry);
  return PaletteHandle(::CreatePalette(&logical.header));
}

// A 32-bit true-colour display: captures go into a bitmap section, whose
// rows are the pixels a BMP file holds.
bool HasThirtyTwoBits(HDC dc) {
  return ::GetDeviceCaps(dc, BITSPIXEL) * ::GetDeviceCaps(dc, PLANES) == 32;
}

// The block copy into `bitmap` through a memory context, in bands of rows:
// under Wine a copy from the screen passes through a buffer of its size,
// which for a whole screen is fresh memory every time and costs more than
// the copy itself. The context is gone and the bitmap and palette are
// selected out when this returns.
void CopyInto(HDC source, const BitmapHandle& bitmap, const PaletteHandle& palette,
              std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  const DcHandle memory(::CreateCompatibleDC(source));
  if (!memory) return;
  const ScopedSelectObject selectedBitmap(memory.get(), bitmap.get());
  std::optional<ScopedSelectPalette> selectedPalette;
  if (palette) {
    selectedPalette.emplace(memory.get(), palette.get());
    ::RealizePalette(memory.get());
  }
  const std::int32_t band = CaptureBandRows(width);
  for (std::int32_t y = 0; y < height; y += band) {
    ::BitBlt(memory.get(), 0, y, width, std::min(band, height - y), source, left, top + y, SRCCOPY);
  }
}

ScreenRect ToScreenRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// The frame the desktop window manager draws (Windows 10 and later); nothing
// without one.
std::optional<ScreenRect> VisibleFrameOf(HWND window) {
  const ModuleHandle dwm = LoadSystemLibrary(L"dwmapi.dll");
  const auto getAttribute =
      LibraryFunction<decltype(&::DwmGetWindowAttribute)>(dwm, "DwmGetWindowAttribute");
  RECT frame{};
  if (!getAttribute ||
      FAILED(getAttribute(window, DWMWA_EXTENDED_FRAME_BOUNDS, &frame, sizeof frame))) {
    return std::nullopt;
  }
  return ToScreenRect(frame);
}

}  // namespace

Picture CopyWindowArea(HWND window, bool clientArea, std::int32_t left, std::int32_t top,
                       std::int32_t width, std::int32_t height, DibSection spare) {
  if (width <= 0 || height <= 0) return {};
  DibSection bitmap;
  PaletteHandle palette;
  {
    const WindowDc source = clientArea ? WindowDc::Client(window) : WindowDc::Whole(window);
    if (!source) return {};
    if (HasSystemPalette(source.get())) {
      palette = SystemPalette(source.get());
    } else if (HasThirtyTwoBits(source.get())) {
      bitmap = std::move(spare);
      if (!bitmap.bitmap) bitmap = CreateDibSection(width, height, 32, {});
    }
    spare = {};  // unused: gone before another bitmap is made
    if (!bitmap.bitmap)
      bitmap = {BitmapHandle(::CreateCompatibleBitmap(source.get(), width, height)), {}};
    if (!bitmap.bitmap) return {};
    CopyInto(source.get(), bitmap.bitmap, palette, left, top, width, height);
  }
  return Picture(std::move(bitmap), palette.release());
}

Picture CopyDesktop(DibSection spare) {
  return CopyWindowArea(::GetDesktopWindow(), false, 0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                        ::GetSystemMetrics(SM_CYSCREEN), std::move(spare));
}

std::optional<CaptureArea> WindowCaptureAreaOf(HWND window) {
  RECT windowRect{};
  if (!window || !::GetWindowRect(window, &windowRect)) return std::nullopt;
  return WindowCaptureArea(ToScreenRect(windowRect), VisibleFrameOf(window));
}

Picture CopyForegroundWindow() {
  const HWND window = ::GetForegroundWindow();
  const auto area = WindowCaptureAreaOf(window);
  if (!area) return {};
  return CopyWindowArea(window, false, area->sourceLeft, area->sourceTop, area->width,
                        area->height);
}

// The old picture goes before the new one is made.
void CopyDesktopToSurface(PictureSurface& surface) {
  surface.Clear();
  surface.SetPicture(CopyDesktop(
      surface.TakeSpare(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN))));
}

// Parts of a window off the screen may not be copied: a window's capture
// goes into a fresh bitmap, where they stay black.
void CopyForegroundToSurface(PictureSurface& surface) {
  surface.Clear();
  surface.ReleaseSpare();
  surface.SetPicture(CopyForegroundWindow());
}

bool DrawPointer(HDC dc, bool foregroundCapture, HWND mainWindow) {
  ScreenPoint origin;
  if (foregroundCapture) {
    if (const auto area = WindowCaptureAreaOf(::GetForegroundWindow())) {
      origin = {area->outer.left, area->outer.top};
    }
  }
  return DrawPointerAt(dc, origin, mainWindow);
}

bool DrawPointerAt(HDC dc, ScreenPoint origin, HWND mainWindow) {
  POINT pointer{};
  if (!::GetCursorPos(&pointer)) return false;
  return DrawPointerAt(dc, origin, {pointer.x, pointer.y}, mainWindow);
}

bool DrawPointerAt(HDC dc, ScreenPoint origin, ScreenPoint pointer, HWND mainWindow) {
  const auto cursor = reinterpret_cast<HICON>(::GetClassLongPtrW(mainWindow, GCLP_HCURSOR));
  if (!cursor) return false;
  const std::int64_t x = std::int64_t{pointer.x} - origin.x;
  const std::int64_t y = std::int64_t{pointer.y} - origin.y;
  if (x < INT_MIN || x > INT_MAX || y < INT_MIN || y > INT_MAX) return false;
  return ::DrawIcon(dc, static_cast<int>(x), static_cast<int>(y), cursor) != FALSE;
}

}  // namespace kx::win
