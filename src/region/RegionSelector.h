#pragma once
// The choice of a region on the frozen screen: a state machine fed with the
// overlay's input, which says what to show and how the choice ended.
//
// Mouse:
//   move          before a drag the window under the pointer is outlined (the
//                 innermost control under it while Ctrl is held)
//   left drag     selects from the pressed pixel to the pixel under the
//                 pointer, both included; the dragged edges snap to window and
//                 monitor edges within a few pixels, not while Alt is held.
//                 When the button goes up the selection stays as a frame.
//   left click    (no drag) takes the outlined window or control; on a frame
//                 it does nothing, outside a frame it drops the frame
//   frame         dragged inside moves it, on an edge or corner resizes it
//   double click  inside a frame takes it
//   right button  cancels
//   wheel         zooms the magnifier, 2x to 32x
// Keys:
//   arrows        move the pointer 1 pixel, with Shift 10
//   Space         starts a selection at the pointer; the arrows (or the
//                 mouse) move its far corner; Space again makes it a frame
//   on a frame:   arrows move it 1 pixel (Ctrl: 10); Shift+arrows move its
//                 bottom-right corner 1 pixel (Ctrl+Shift: 10)
//   Enter         takes the frame or selection, else the outlined window
//   R             recalls the region last taken as a frame
//   M or Tab      turns the magnifier off and on
//   Esc           cancels (so does closing the overlay)
// What is taken is cut to the monitors; a choice without a pixel on any
// monitor ends as Empty.

#include <cstdint>
#include <optional>
#include <vector>

#include "capture/ScreenArea.h"
#include "region/FrameAdjust.h"
#include "region/OverlayPlacement.h"
#include "region/OverlayView.h"
#include "region/RegionInput.h"
#include "region/WindowHit.h"

namespace kx {

// What the selector asks of the system: the size of a line of label text and
// the colours of the frozen picture, besides the controls of windows.
class OverlayPlatform : public ControlFinder {
 public:
  virtual BoxSize TextSize(const std::string& text) = 0;
  // 0xRRGGBB of the frozen picture's pixel (black outside it).
  virtual std::uint32_t ColourAt(ScreenPoint point) = 0;
};

// Distances in physical pixels; the adapter scales them for the display.
struct SelectorOptions {
  std::int32_t dragThreshold = 4;    // a press that moves less is a click
  std::int32_t snapDistance = 8;     // how near an edge snaps
  std::int32_t grip = 6;             // reach of a frame's edges
  std::int32_t magnifierSpan = 160;  // the magnifier's grid, about
  std::int32_t gap = 20;             // from the pointer to the magnifier
  std::int32_t labelPadding = 4;     // around a label's text
};

struct SelectorSetup {
  ScreenRect screen;  // the virtual screen
  std::vector<Monitor> monitors;
  std::vector<WindowArea> windows;  // top first, as they were at the start
  ScreenPoint pointer;
  std::optional<ScreenRect> lastRegion;  // what R recalls
  bool startWithLast = false;            // open with it as the frame
  SelectorOptions options;
};

enum class SelectorEnd { Running, Taken, Cancelled, Empty };

class RegionSelector {
 public:
  static constexpr std::int32_t kMinZoom = 2;
  static constexpr std::int32_t kMaxZoom = 32;
  static constexpr std::int32_t kFirstZoom = 8;

  RegionSelector(SelectorSetup setup, OverlayPlatform& platform);

  void PointerMove(ScreenPoint point, Modifiers modifiers);
  void LeftDown(ScreenPoint point, Modifiers modifiers);
  void LeftUp(ScreenPoint point, Modifiers modifiers);
  void DoubleClick(ScreenPoint point, Modifiers modifiers);
  void KeyDown(Key key, Modifiers modifiers);
  void ModifiersChanged(Modifiers modifiers);
  void Wheel(std::int32_t notches);  // positive away from the user: zoom in
  void Cancel();                     // the right button, or the overlay closed

  SelectorEnd End() const { return end_; }
  // What was taken: the chosen rectangle cut to the monitors.
  const ScreenArea& Taken() const { return taken_; }
  // Where the pointer is, also after the keyboard moved it.
  ScreenPoint Pointer() const { return pointer_; }
  // True while the pointer drags (the adapter captures the mouse).
  bool Dragging() const;
  OverlayView View() const;

 private:
  enum class Mode { Idle, Pressed, Dragging, KeySelecting, Adjusting, FrameDragging };

  void MoveTo(ScreenPoint point, bool snap);
  ScreenRect DraggedSelection(bool snap) const;
  void UpdateHover();
  void Recall();
  void Take(const std::optional<ScreenRect>& rect);
  void KeyOnFrame(Step step, bool resize);
  bool HasFrame() const;
  OverlayLabel LabelOf(const ScreenRect& rect) const;
  MagnifierView Magnifier() const;
  CursorShape Cursor() const;

  SelectorSetup setup_;
  OverlayPlatform& platform_;
  std::vector<ScreenRect> snapRects_;
  Mode mode_ = Mode::Idle;
  SelectorEnd end_ = SelectorEnd::Running;
  ScreenArea taken_;
  Modifiers modifiers_;
  ScreenPoint pointer_;
  ScreenPoint focus_;   // what the magnifier shows: the pointer or a keyboard-moved corner
  ScreenPoint anchor_;  // where a press or a selection began
  std::optional<ScreenRect> hover_;
  ScreenRect selection_;  // the selection or frame
  bool pressedOutsideFrame_ = false;
  FrameZone dragZone_ = FrameZone::Outside;
  ScreenRect dragStart_;
  bool magnifierOn_ = true;
  std::int32_t zoom_ = kFirstZoom;
};

}  // namespace kx
