#pragma once
// What the region overlay shows over the frozen picture, in virtual-screen
// pixels, and which pixels a change of it repaints. The painter draws each
// part exactly inside the rectangles given here, so that repainting the
// rectangles DirtyRects names brings the screen up to date.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "capture/ScreenArea.h"
#include "region/RectMath.h"

namespace kx {

enum class OutlineKind {
  Hover,      // the window under the pointer: 3 pixels inside its edge
  Selection,  // a selection being made: 1 pixel outside it
  Frame,      // a frame to adjust: 1 pixel outside, with square grips
};

enum class CursorShape { Cross, Move, SizeWE, SizeNS, SizeNWSE, SizeNESW };

struct OverlayLabel {
  ScreenRect box;
  std::string text;  // UTF-8, one line

  bool operator==(const OverlayLabel&) const = default;
};

struct MagnifierView {
  ScreenRect box;            // border, grid and caption
  ScreenPoint centre;        // the picture pixel in the middle, marked
  std::int32_t zoom = 0;     // screen pixels per picture pixel
  std::int32_t cells = 0;    // picture pixels across and down, odd
  std::uint32_t colour = 0;  // of the centre pixel, 0xRRGGBB
  std::string caption;       // its position and colour

  bool operator==(const MagnifierView&) const = default;
};

struct OverlayView {
  std::optional<ScreenRect> bright;  // shown as it was; the rest is dimmed
  std::optional<ScreenRect> outline;
  OutlineKind outlineKind = OutlineKind::Hover;
  std::optional<ScreenPoint> crosshair;  // lines across the whole screen
  std::optional<OverlayLabel> label;
  std::optional<MagnifierView> magnifier;
  CursorShape cursor = CursorShape::Cross;

  bool operator==(const OverlayView&) const = default;
};

inline constexpr std::int32_t kGripSize = 7;  // a frame's grips, centred on its outline

// The rectangles an outline covers: four strips, and a frame's eight grips
// within them.
std::vector<ScreenRect> OutlineStrips(const ScreenRect& rect, OutlineKind kind);
std::vector<ScreenRect> FrameGrips(const ScreenRect& frame);

// The crosshair's two lines, one pixel wide, across `screen`.
std::vector<ScreenRect> CrosshairLines(ScreenPoint point, const ScreenRect& screen);

// The magnifier's parts: the grid of zoomed pixels inside a one-pixel border
// and the caption below it.
ScreenRect MagnifierGrid(const MagnifierView& magnifier);
ScreenRect MagnifierCaption(const MagnifierView& magnifier);

// The pixels of `screen` that look different in `after` than in `before`,
// as rectangles that may overlap; none when nothing changed. A move of the
// pointer gives strips and small boxes, never the whole screen.
std::vector<ScreenRect> DirtyRects(const OverlayView& before, const OverlayView& after,
                                   const ScreenRect& screen);

}  // namespace kx
