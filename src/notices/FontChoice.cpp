#include "notices/FontChoice.h"

#include <algorithm>

#include "base/LenientNumber.h"

namespace kx {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr int kDefaultPixelsPerInch = 96;

}  // namespace

std::string_view ChooseFontFace(const FaceChoices& faces,
                                const std::function<bool(std::string_view)>& installed) {
  const auto found = std::find_if(faces.begin(), faces.end(), installed);
  return found == faces.end() ? std::string_view{} : *found;
}

std::int32_t FontHeightPixels(double points, int pixelsPerInch) {
  const int perInch = pixelsPerInch > 0 ? pixelsPerInch : kDefaultPixelsPerInch;
  return RoundToInt32(points * perInch / kPointsPerInch).value_or(0);
}

}  // namespace kx
