#include "region/win32/RegionCut.h"

#include <cstring>
#include <utility>

#include "capture/win32/DibSection.h"
#include "region/RectMath.h"

namespace kx::win {

Picture CutRegion(const Picture& screen, const ScreenRect& screenArea, const ScreenRect& rect) {
  const PixelRows<const std::uint8_t> source = screen.SectionRows();
  if (IsEmpty(rect) || !source.top || screen.BitsPerPixel() != 32) return {};
  DibSection cut = CreateDibSection(Width(rect), Height(rect), 32, {});
  if (!cut.bitmap) return {};
  if (const auto common = Intersection(rect, screenArea)) {
    const auto bytes = static_cast<std::size_t>(4 * Width(*common));
    for (std::int32_t y = common->top; y < common->bottom; ++y) {
      std::memcpy(cut.rows.Row(y - rect.top) + 4 * (common->left - rect.left),
                  source.Row(y - screenArea.top) + 4 * (common->left - screenArea.left), bytes);
    }
  }
  return Picture(std::move(cut), nullptr);
}

}  // namespace kx::win
