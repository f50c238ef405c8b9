#include "region/RegionSelector.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "region/EdgeSnap.h"
#include "region/KeyMoves.h"
#include "region/MonitorClip.h"
#include "region/OverlayTexts.h"
#include "region/RectMath.h"

namespace kx {
namespace {

constexpr std::int32_t kShiftStep = 10;
constexpr std::int32_t kCtrlStep = 10;

CursorShape ShapeOf(FrameZone zone) {
  switch (zone) {
    case FrameZone::Inside:
      return CursorShape::Move;
    case FrameZone::Left:
    case FrameZone::Right:
      return CursorShape::SizeWE;
    case FrameZone::Top:
    case FrameZone::Bottom:
      return CursorShape::SizeNS;
    case FrameZone::TopLeft:
    case FrameZone::BottomRight:
      return CursorShape::SizeNWSE;
    case FrameZone::TopRight:
    case FrameZone::BottomLeft:
      return CursorShape::SizeNESW;
    case FrameZone::Outside:
      break;
  }
  return CursorShape::Cross;
}

Step Times(Step step, std::int32_t factor) { return {step.dx * factor, step.dy * factor}; }

}  // namespace

RegionSelector::RegionSelector(SelectorSetup setup, OverlayPlatform& platform)
    : setup_(std::move(setup)), platform_(platform) {
  if (IsEmpty(setup_.screen)) {
    end_ = SelectorEnd::Empty;
    return;
  }
  for (const WindowArea& window : setup_.windows) snapRects_.push_back(window.rect);
  for (const Monitor& monitor : setup_.monitors) snapRects_.push_back(monitor.area);
  if (setup_.lastRegion) setup_.lastRegion = Intersection(*setup_.lastRegion, setup_.screen);
  pointer_ = focus_ = ClampInto(setup_.pointer, setup_.screen);
  UpdateHover();
  if (setup_.startWithLast) Recall();
}

bool RegionSelector::Dragging() const {
  return mode_ == Mode::Pressed || mode_ == Mode::Dragging || mode_ == Mode::FrameDragging;
}

bool RegionSelector::HasFrame() const {
  return mode_ == Mode::Adjusting || mode_ == Mode::FrameDragging ||
         (mode_ == Mode::Pressed && pressedOutsideFrame_);
}

// While dragging, a report of the pointer where it already is changes
// nothing: the pixel a key moved the pointer to stays unsnapped.
void RegionSelector::MoveTo(ScreenPoint point, bool snap) {
  const ScreenPoint clamped = ClampInto(point, setup_.screen);
  if (mode_ == Mode::Dragging && clamped == pointer_) return;
  pointer_ = focus_ = clamped;
  switch (mode_) {
    case Mode::Idle:
      UpdateHover();
      break;
    case Mode::Pressed:
      if (std::max(std::abs(pointer_.x - anchor_.x), std::abs(pointer_.y - anchor_.y)) <
          setup_.options.dragThreshold) {
        if (!pressedOutsideFrame_) UpdateHover();
        break;
      }
      mode_ = Mode::Dragging;
      pressedOutsideFrame_ = false;
      hover_.reset();
      [[fallthrough]];
    case Mode::Dragging:
      selection_ = DraggedSelection(snap);
      break;
    case Mode::KeySelecting:
      selection_ = RectFromCorners(anchor_, pointer_);
      break;
    case Mode::FrameDragging:
      selection_ = DragFrame(dragStart_, dragZone_,
                             {pointer_.x - anchor_.x, pointer_.y - anchor_.y}, setup_.screen);
      break;
    case Mode::Adjusting:
      break;
  }
}

ScreenRect RegionSelector::DraggedSelection(bool snap) const {
  return snap && !modifiers_.alt
             ? SnapSelection(anchor_, pointer_, snapRects_, setup_.options.snapDistance)
             : RectFromCorners(anchor_, pointer_);
}

void RegionSelector::UpdateHover() {
  hover_ = WindowAt(setup_.windows, pointer_, modifiers_.ctrl ? &platform_ : nullptr);
}

void RegionSelector::Recall() {
  if (!setup_.lastRegion) return;
  selection_ = *setup_.lastRegion;
  mode_ = Mode::Adjusting;
  hover_.reset();
}

void RegionSelector::Take(const std::optional<ScreenRect>& rect) {
  if (!rect) return;
  const auto area = ClipToMonitors(*rect, setup_.monitors);
  if (area) taken_ = *area;
  end_ = area ? SelectorEnd::Taken : SelectorEnd::Empty;
}

void RegionSelector::PointerMove(ScreenPoint point, Modifiers modifiers) {
  if (end_ != SelectorEnd::Running) return;
  modifiers_ = modifiers;
  MoveTo(point, true);
}

void RegionSelector::LeftDown(ScreenPoint point, Modifiers modifiers) {
  if (end_ != SelectorEnd::Running) return;
  modifiers_ = modifiers;
  MoveTo(point, true);
  if (mode_ == Mode::Adjusting) {
    dragZone_ = ZoneAt(selection_, pointer_, setup_.options.grip);
    anchor_ = pointer_;
    if (dragZone_ != FrameZone::Outside) {
      mode_ = Mode::FrameDragging;
      dragStart_ = selection_;
    } else {
      mode_ = Mode::Pressed;
      pressedOutsideFrame_ = true;
    }
  } else if (mode_ == Mode::Idle || mode_ == Mode::KeySelecting) {
    mode_ = Mode::Pressed;
    pressedOutsideFrame_ = false;
    anchor_ = pointer_;
    UpdateHover();
  }
}

void RegionSelector::LeftUp(ScreenPoint point, Modifiers modifiers) {
  if (end_ != SelectorEnd::Running) return;
  modifiers_ = modifiers;
  MoveTo(point, true);
  if (mode_ == Mode::Pressed) {
    mode_ = Mode::Idle;
    if (pressedOutsideFrame_) {
      pressedOutsideFrame_ = false;
      UpdateHover();
    } else {
      Take(hover_);
    }
  } else if (mode_ == Mode::Dragging || mode_ == Mode::FrameDragging) {
    mode_ = Mode::Adjusting;
  }
}

// The system turns the second press of a double click into this.
void RegionSelector::DoubleClick(ScreenPoint point, Modifiers modifiers) {
  if (end_ != SelectorEnd::Running) return;
  if (mode_ == Mode::Adjusting && ZoneAt(selection_, ClampInto(point, setup_.screen),
                                         setup_.options.grip) != FrameZone::Outside) {
    Take(selection_);
    return;
  }
  LeftDown(point, modifiers);
}

void RegionSelector::KeyDown(Key key, Modifiers modifiers) {
  if (end_ != SelectorEnd::Running) return;
  modifiers_ = modifiers;
  const bool selecting = mode_ == Mode::Dragging || mode_ == Mode::KeySelecting;
  switch (key) {
    case Key::Escape:
      Cancel();
      return;
    case Key::Magnifier:
      magnifierOn_ = !magnifierOn_;
      return;
    case Key::Recall:
      if (!Dragging()) Recall();
      return;
    case Key::Enter:
      Take(HasFrame() || selecting ? std::optional<ScreenRect>(selection_) : hover_);
      return;
    case Key::Space:
      if (mode_ == Mode::KeySelecting) {
        mode_ = Mode::Adjusting;
      } else if (mode_ == Mode::Idle || mode_ == Mode::Adjusting) {
        mode_ = Mode::KeySelecting;
        anchor_ = pointer_;
        selection_ = RectFromCorners(anchor_, pointer_);
        hover_.reset();
      }
      return;
    case Key::Other:
      ModifiersChanged(modifiers);
      return;
    default:
      break;
  }
  const auto step = ArrowStep(key, 1);
  if (!step || mode_ == Mode::FrameDragging || (mode_ == Mode::Pressed && pressedOutsideFrame_)) {
    return;
  }
  if (mode_ == Mode::Adjusting) {
    KeyOnFrame(Times(*step, modifiers.ctrl ? kCtrlStep : 1), modifiers.shift);
  } else {
    MoveTo(MovePoint(pointer_, Times(*step, modifiers.shift ? kShiftStep : 1), setup_.screen),
           false);
  }
}

void RegionSelector::KeyOnFrame(Step step, bool resize) {
  selection_ = DragFrame(selection_, resize ? FrameZone::BottomRight : FrameZone::Inside, step,
                         setup_.screen);
  focus_ = resize ? ScreenPoint{selection_.right - 1, selection_.bottom - 1}
                  : ScreenPoint{selection_.left, selection_.top};
}

void RegionSelector::ModifiersChanged(Modifiers modifiers) {
  if (end_ != SelectorEnd::Running) return;
  modifiers_ = modifiers;
  if (mode_ == Mode::Idle || (mode_ == Mode::Pressed && !pressedOutsideFrame_)) UpdateHover();
  if (mode_ == Mode::Dragging) selection_ = DraggedSelection(true);
}

void RegionSelector::Wheel(std::int32_t notches) {
  for (; notches > 0 && zoom_ < kMaxZoom; --notches) zoom_ *= 2;
  for (; notches < 0 && zoom_ > kMinZoom; ++notches) zoom_ /= 2;
}

void RegionSelector::Cancel() {
  if (end_ == SelectorEnd::Running) end_ = SelectorEnd::Cancelled;
}

OverlayLabel RegionSelector::LabelOf(const ScreenRect& rect) const {
  const std::int32_t padding = setup_.options.labelPadding;
  OverlayLabel label{{}, RectText(rect)};
  const BoxSize text = platform_.TextSize(label.text);
  const ScreenRect monitor = MonitorAt(setup_.monitors, {rect.left, rect.top}, setup_.screen);
  label.box = PlaceLabel({text.width + 2 * padding, text.height + padding}, rect, monitor, padding);
  return label;
}

MagnifierView RegionSelector::Magnifier() const {
  MagnifierView magnifier;
  magnifier.centre = focus_;
  magnifier.zoom = zoom_;
  magnifier.cells = std::max(1, (setup_.options.magnifierSpan / zoom_ - 1) | 1);
  magnifier.colour = platform_.ColourAt(focus_);
  magnifier.caption = PixelText(focus_, magnifier.colour);
  const std::int32_t padding = setup_.options.labelPadding;
  const BoxSize text = platform_.TextSize(magnifier.caption);
  const std::int32_t grid = magnifier.cells * zoom_;
  const BoxSize size{std::max(grid + 2, text.width + 2 * padding),
                     grid + text.height + padding + 3};
  const ScreenRect monitor = MonitorAt(setup_.monitors, focus_, setup_.screen);
  magnifier.box = PlaceMagnifier(size, focus_, pointer_, monitor, setup_.options.gap);
  return magnifier;
}

CursorShape RegionSelector::Cursor() const {
  if (mode_ == Mode::FrameDragging) return ShapeOf(dragZone_);
  if (mode_ == Mode::Adjusting) return ShapeOf(ZoneAt(selection_, pointer_, setup_.options.grip));
  return CursorShape::Cross;
}

OverlayView RegionSelector::View() const {
  OverlayView view;
  if (HasFrame()) {
    view.bright = view.outline = selection_;
    view.outlineKind = OutlineKind::Frame;
  } else if (mode_ == Mode::Dragging || mode_ == Mode::KeySelecting) {
    view.bright = view.outline = selection_;
    view.outlineKind = OutlineKind::Selection;
    view.crosshair = pointer_;
  } else {
    view.bright = view.outline = hover_;
    view.outlineKind = OutlineKind::Hover;
    view.crosshair = pointer_;
  }
  if (view.outline) view.label = LabelOf(*view.outline);
  if (magnifierOn_) view.magnifier = Magnifier();
  view.cursor = Cursor();
  return view;
}

}  // namespace kx
