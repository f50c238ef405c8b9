#pragma once
// Pixel layout of a notice window from its design in twips.

#include <cstdint>
#include <optional>

#include "notices/NoticeDesigns.h"

namespace kx {

struct PixelSize {
  std::int32_t width;
  std::int32_t height;

  bool operator==(const PixelSize&) const = default;
};

struct PixelPoint {
  std::int32_t x;
  std::int32_t y;

  bool operator==(const PixelPoint&) const = default;
};

struct PixelBox {
  std::int32_t left;
  std::int32_t top;
  std::int32_t width;
  std::int32_t height;

  bool operator==(const PixelBox&) const = default;
};

// The screen's resolution in pixels per inch (96 is taken for an unknown one).
struct ScreenResolution {
  int pixelsPerInchX;
  int pixelsPerInchY;
};

struct NoticeLayout {
  PixelSize client;
  PixelBox label;
  std::optional<PixelBox> button;

  bool operator==(const NoticeLayout&) const = default;
};

PixelBox ToPixels(const TwipsBox& box, ScreenResolution resolution);

// The design at the screen's resolution. When the text (as measured in the
// label's font) does not fit the label, or runs past the client area, label
// and client area grow to hold it: controls below move down, a button stays
// centred. The client area grows no wider than maxClientWidth.
NoticeLayout LayOutNotice(const NoticeDesign& design, ScreenResolution resolution,
                          PixelSize labelText, std::int32_t maxClientWidth);

// The top left corner that centres a window on the screen.
PixelPoint CentredOrigin(PixelSize screen, PixelSize window);

}  // namespace kx
