#pragma once
// Where SetTopmost puts a window in the stacking order: the window keeps its
// position and size (outer rectangle in twips, turned back into pixels) and
// only moves into or out of the topmost band.

#include <cstdint>

namespace kx {

struct TwipsRect {
  double left;
  double top;
  double width;
  double height;
};

enum class StackingBand { Topmost, NotTopmost };

// SetWindowPos flags.
inline constexpr unsigned kSwpNoSize = 0x0001;
inline constexpr unsigned kSwpNoMove = 0x0002;
inline constexpr unsigned kSwpNoRedraw = 0x0008;
inline constexpr unsigned kSwpNoActivate = 0x0010;

struct StackingPlacement {
  StackingBand band;
  std::int32_t x;
  std::int32_t y;
  std::int32_t cx;
  std::int32_t cy;
  unsigned flags;

  bool operator==(const StackingPlacement&) const = default;
};

// Each length divided by the screen's twips per pixel, rounded half to even;
// the window is neither activated nor repainted. When a length cannot be
// converted (a zero metric, a result beyond 32 bits) the window changes band
// only, with its position and size left alone.
StackingPlacement TopmostPlacement(const TwipsRect& outer, double twipsPerPixelX,
                                   double twipsPerPixelY, bool topmost);

}  // namespace kx
