#pragma once
// The frame of a finished or recalled selection, moved and resized with the
// pointer or the keyboard.

#include <cstdint>

#include "capture/ScreenArea.h"
#include "region/KeyMoves.h"

namespace kx {

enum class FrameZone {
  Outside,
  Inside,
  Left,
  Right,
  Top,
  Bottom,
  TopLeft,
  TopRight,
  BottomLeft,
  BottomRight,
};

// The part of the frame under the point: an edge within `grip` pixels
// outside it or as far inside (less in a small frame, so that it keeps an
// inside to drag), a corner where two edges meet, else inside or outside.
FrameZone ZoneAt(const ScreenRect& frame, ScreenPoint point, std::int32_t grip);

// The frame once `zone` is dragged by `by`: the inside moves it whole, kept
// inside `bounds`; an edge or corner moves its edges, each kept inside
// `bounds` and at least one pixel past the opposite edge.
ScreenRect DragFrame(const ScreenRect& frame, FrameZone zone, Step by, const ScreenRect& bounds);

}  // namespace kx
