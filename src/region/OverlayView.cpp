#include "region/OverlayView.h"

#include "region/RectMath.h"

namespace kx {
namespace {

// The parts of `a` outside `b`: up to four bands.
void AddDifference(const ScreenRect& a, const std::optional<ScreenRect>& b,
                   std::vector<ScreenRect>& out) {
  const auto common = b ? Intersection(a, *b) : std::nullopt;
  if (!common) {
    out.push_back(a);
    return;
  }
  out.push_back({a.left, a.top, a.right, common->top});
  out.push_back({a.left, common->bottom, a.right, a.bottom});
  out.push_back({a.left, common->top, common->left, common->bottom});
  out.push_back({common->right, common->top, a.right, common->bottom});
}

void AddOutline(const OverlayView& view, std::vector<ScreenRect>& out) {
  if (!view.outline) return;
  for (const ScreenRect& strip : OutlineStrips(*view.outline, view.outlineKind)) {
    out.push_back(strip);
  }
}

}  // namespace

// Grown `outer` pixels beyond the rectangle and `inner` pixels into it.
std::vector<ScreenRect> OutlineStrips(const ScreenRect& rect, OutlineKind kind) {
  constexpr std::int32_t kHalfGrip = kGripSize / 2;
  const std::int32_t outer = kind == OutlineKind::Hover   ? 0
                             : kind == OutlineKind::Frame ? kHalfGrip + 1
                                                          : 1;
  const std::int32_t inner = kind == OutlineKind::Hover   ? 3
                             : kind == OutlineKind::Frame ? kHalfGrip
                                                          : 0;
  const ScreenRect o = Inflate(rect, outer);
  const ScreenRect i = Inflate(rect, -inner);
  return {{o.left, o.top, o.right, i.top},
          {o.left, i.bottom, o.right, o.bottom},
          {o.left, i.top, i.left, i.bottom},
          {i.right, i.top, o.right, i.bottom}};
}

// Centred on the outline's corner pixels and on the middle of its sides.
std::vector<ScreenRect> FrameGrips(const ScreenRect& frame) {
  const std::int32_t xs[] = {frame.left - 1, frame.left + (frame.right - frame.left) / 2,
                             frame.right};
  const std::int32_t ys[] = {frame.top - 1, frame.top + (frame.bottom - frame.top) / 2,
                             frame.bottom};
  std::vector<ScreenRect> grips;
  for (int column = 0; column < 3; ++column) {
    for (int row = 0; row < 3; ++row) {
      if (column == 1 && row == 1) continue;
      const std::int32_t left = xs[column] - kGripSize / 2;
      const std::int32_t top = ys[row] - kGripSize / 2;
      grips.push_back({left, top, left + kGripSize, top + kGripSize});
    }
  }
  return grips;
}

std::vector<ScreenRect> CrosshairLines(ScreenPoint point, const ScreenRect& screen) {
  return {{screen.left, point.y, screen.right, point.y + 1},
          {point.x, screen.top, point.x + 1, screen.bottom}};
}

ScreenRect MagnifierGrid(const MagnifierView& magnifier) {
  const std::int32_t size = magnifier.cells * magnifier.zoom;
  const std::int32_t left = magnifier.box.left + (Width(magnifier.box) - size) / 2;
  return {left, magnifier.box.top + 1, left + size, magnifier.box.top + 1 + size};
}

ScreenRect MagnifierCaption(const MagnifierView& magnifier) {
  return {magnifier.box.left + 1, MagnifierGrid(magnifier).bottom + 1, magnifier.box.right - 1,
          magnifier.box.bottom - 1};
}

std::vector<ScreenRect> DirtyRects(const OverlayView& before, const OverlayView& after,
                                   const ScreenRect& screen) {
  std::vector<ScreenRect> changed;
  if (before.bright != after.bright) {
    if (before.bright) AddDifference(*before.bright, after.bright, changed);
    if (after.bright) AddDifference(*after.bright, before.bright, changed);
  }
  if (before.outline != after.outline || before.outlineKind != after.outlineKind) {
    AddOutline(before, changed);
    AddOutline(after, changed);
  }
  if (before.crosshair != after.crosshair) {
    for (const auto& point : {before.crosshair, after.crosshair}) {
      if (!point) continue;
      for (const ScreenRect& line : CrosshairLines(*point, screen)) changed.push_back(line);
    }
  }
  if (before.label != after.label) {
    if (before.label) changed.push_back(before.label->box);
    if (after.label) changed.push_back(after.label->box);
  }
  if (before.magnifier != after.magnifier) {
    if (before.magnifier) changed.push_back(before.magnifier->box);
    if (after.magnifier) changed.push_back(after.magnifier->box);
  }
  std::vector<ScreenRect> dirty;
  for (const ScreenRect& rect : changed) {
    if (const auto visible = Intersection(rect, screen)) dirty.push_back(*visible);
  }
  return dirty;
}

}  // namespace kx
