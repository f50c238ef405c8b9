#include "notices/TopmostPlacement.h"

#include "base/Twips.h"

namespace kx {

StackingPlacement TopmostPlacement(const TwipsRect& outer, double twipsPerPixelX,
                                   double twipsPerPixelY, bool topmost) {
  const StackingBand band = topmost ? StackingBand::Topmost : StackingBand::NotTopmost;
  const unsigned flags = kSwpNoActivate | kSwpNoRedraw;
  const auto x = TwipsToPixels(outer.left, twipsPerPixelX);
  const auto y = TwipsToPixels(outer.top, twipsPerPixelY);
  const auto cx = TwipsToPixels(outer.width, twipsPerPixelX);
  const auto cy = TwipsToPixels(outer.height, twipsPerPixelY);
  if (!x || !y || !cx || !cy) return {band, 0, 0, 0, 0, flags | kSwpNoMove | kSwpNoSize};
  return {band, *x, *y, *cx, *cy, flags};
}

}  // namespace kx
