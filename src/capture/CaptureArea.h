#pragma once
// Which part of a window's whole-window drawing context a capture copies.

#include <cstdint>
#include <optional>

namespace kx {

struct ScreenRect {  // screen pixels, right and bottom exclusive
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  bool operator==(const ScreenRect&) const = default;
};

struct CaptureArea {
  ScreenRect outer;             // what the picture shows, in screen pixels
  std::int32_t sourceLeft = 0;  // its corner in the window's drawing context
  std::int32_t sourceTop = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// The area of a window capture. `visibleFrame` is the frame the window
// manager draws, when it reports one: windows with invisible resize borders
// are captured without them. A frame that is empty or not inside the window
// rectangle is not trusted, and the window rectangle is used. Nothing when
// the rectangle's size does not fit 32 bits.
[[nodiscard]] std::optional<CaptureArea> WindowCaptureArea(
    const ScreenRect& windowRect, const std::optional<ScreenRect>& visibleFrame);

// Rows of a capture copied from the screen in one block copy: as many as
// fit in kCaptureBandBytes at 4 bytes per pixel, and at least one. Under Wine
// each block copy from the screen passes through buffers of its size from
// the C library's heap. Below 128 KiB, where that heap starts to give a
// buffer a mapping of its own (and raises the limit to the largest one
// freed, keeping up to twice as much), the buffers come and go within the
// heap, and a capture leaves at most that much behind.
inline constexpr std::int64_t kCaptureBandBytes = 120 * 1024;
std::int32_t CaptureBandRows(std::int32_t width);

}  // namespace kx
