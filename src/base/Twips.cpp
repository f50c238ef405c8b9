#include "base/Twips.h"

#include "base/LenientNumber.h"

namespace kx {

double TwipsPerPixel(int pixelsPerInch) {
  return pixelsPerInch > 0 ? kTwipsPerInch / pixelsPerInch : 0.0;
}

std::optional<std::int32_t> TwipsToPixels(double twips, double twipsPerPixel) {
  if (twipsPerPixel == 0.0) return std::nullopt;
  return RoundToInt32(twips / twipsPerPixel);
}

}  // namespace kx
