#pragma once
// Screen capture: block copies of the primary screen or of the foreground
// window into new pictures, and the pointer overlay.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "capture/CaptureArea.h"
#include "capture/ScreenArea.h"
#include "capture/win32/Picture.h"
#include "capture/win32/PictureSurface.h"

namespace kx::win {

// A width x height copy of the window's drawing context from (left, top):
// the client area, or with `clientArea` false the whole window. On a
// 256-colour palette display the system palette travels with the picture.
// On a 32-bit display the copy goes into `spare`, a width x height 32-bit
// section, when there is one; otherwise the spare is released before a new
// bitmap is made. Empty when the size is not positive or the copy cannot be
// made.
Picture CopyWindowArea(HWND window, bool clientArea, std::int32_t left, std::int32_t top,
                       std::int32_t width, std::int32_t height, DibSection spare = {});

// The whole primary screen at its size in pixels; `spare` as above.
Picture CopyDesktop(DibSection spare = {});

// The foreground window with its frame: the frame the window manager shows
// where it reports one, else the window rectangle. Empty without a
// foreground window.
Picture CopyForegroundWindow();

// The surface's picture becomes the capture; the screen's goes into the
// surface's spare when it has the screen's size.
void CopyDesktopToSurface(PictureSurface& surface);
void CopyForegroundToSurface(PictureSurface& surface);

// What a capture of the window holds, in screen pixels and in the window's
// whole-window drawing context; nothing when the window has no rectangle.
[[nodiscard]] std::optional<CaptureArea> WindowCaptureAreaOf(HWND window);

// Draws the class cursor of `mainWindow` at its natural size with its top-left
// corner at the pointer position: on the screen, or relative to the outer
// corner of the foreground window's capture. False when the class has no
// cursor or drawing fails.
bool DrawPointer(HDC dc, bool foregroundCapture, HWND mainWindow);

// The same, relative to `origin`: the screen position of the capture's
// top-left corner; with the pointer at `pointer` rather than where it is now.
bool DrawPointerAt(HDC dc, ScreenPoint origin, HWND mainWindow);
bool DrawPointerAt(HDC dc, ScreenPoint origin, ScreenPoint pointer, HWND mainWindow);

}  // namespace kx::win
