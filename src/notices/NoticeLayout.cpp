#include "notices/NoticeLayout.h"

#include <algorithm>

#include "base/Twips.h"

namespace kx {
namespace {

constexpr int kDefaultPixelsPerInch = 96;

double TwipsPerPixelOrDefault(int pixelsPerInch) {
  return TwipsPerPixel(pixelsPerInch > 0 ? pixelsPerInch : kDefaultPixelsPerInch);
}

// Design lengths are small, so the conversion always fits.
std::int32_t Pixels(int twips, double twipsPerPixel) {
  return TwipsToPixels(twips, twipsPerPixel).value_or(0);
}

}  // namespace

PixelBox ToPixels(const TwipsBox& box, ScreenResolution resolution) {
  const double perPixelX = TwipsPerPixelOrDefault(resolution.pixelsPerInchX);
  const double perPixelY = TwipsPerPixelOrDefault(resolution.pixelsPerInchY);
  return {Pixels(box.left, perPixelX), Pixels(box.top, perPixelY), Pixels(box.width, perPixelX),
          Pixels(box.height, perPixelY)};
}

NoticeLayout LayOutNotice(const NoticeDesign& design, ScreenResolution resolution,
                          PixelSize labelText, std::int32_t maxClientWidth) {
  const PixelBox client = ToPixels({0, 0, design.clientWidth, design.clientHeight}, resolution);
  NoticeLayout layout{
      {client.width, client.height}, ToPixels(design.label.box, resolution), std::nullopt};
  if (design.button) layout.button = ToPixels(design.button->box, resolution);

  // The text must fit the part of the label inside the client area; a window
  // widened for it keeps the label's left margin on the right as well.
  const std::int32_t visibleWidth =
      std::min(layout.label.width, layout.client.width - layout.label.left);
  if (labelText.width > visibleWidth) {
    const std::int32_t widest = std::max(layout.client.width, maxClientWidth);
    const std::int32_t wanted =
        std::clamp(2 * layout.label.left + labelText.width, layout.client.width, widest);
    if (layout.button) layout.button->left += (wanted - layout.client.width) / 2;
    layout.client.width = wanted;
    layout.label.width = std::max(layout.label.width, wanted - 2 * layout.label.left);
  }

  const std::int32_t extraHeight = std::max(0, labelText.height - layout.label.height);
  layout.client.height += extraHeight;
  layout.label.height += extraHeight;
  if (layout.button) layout.button->top += extraHeight;
  return layout;
}

PixelPoint CentredOrigin(PixelSize screen, PixelSize window) {
  return {(screen.width - window.width) / 2, (screen.height - window.height) / 2};
}

}  // namespace kx
