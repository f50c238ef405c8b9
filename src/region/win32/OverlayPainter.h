#pragma once
// Paints the overlay: the frozen picture, dimmed outside the bright part,
// and the outline, crosshair, label and magnifier of a view over it. Each
// part of the window is composed in a small tile and copied out once, so
// nothing flickers and no second screen-sized buffer is needed: the dimming
// is done as the tile is filled.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "base/win32/ScopedWin.h"
#include "capture/win32/DibSection.h"
#include "region/OverlayPlacement.h"
#include "region/OverlayView.h"
#include "region/win32/FrozenScreen.h"

namespace kx::win {

class OverlayPainter {
 public:
  static constexpr std::int32_t kTileWidth = 1024;
  static constexpr std::int32_t kTileHeight = 256;

  explicit OverlayPainter(const FrozenScreen& frozen);
  OverlayPainter(const OverlayPainter&) = delete;
  OverlayPainter& operator=(const OverlayPainter&) = delete;

  // False when its drawing surfaces could not be made.
  bool Ready() const { return static_cast<bool>(scratch_.bitmap) && frozenSelected_.has_value(); }

  // The size of one line of text in the overlay's font.
  BoxSize TextSize(const std::string& text) const;

  // Paints `rect` (virtual-screen pixels) of the overlay showing `view` onto
  // `target`, whose origin is the frozen picture's top-left corner.
  void Paint(HDC target, const ScreenRect& rect, const OverlayView& view);

 private:
  void FillBase(const ScreenRect& tile, const std::optional<ScreenRect>& bright);
  void DrawParts(const ScreenRect& tile, const OverlayView& view);
  void DrawMagnifier(const MagnifierView& magnifier);
  void DrawText(const std::string& text, const ScreenRect& box, COLORREF background);

  const FrozenScreen& frozen_;
  FontHandle font_;
  DibSection scratch_;
  DcHandle scratchDc_;
  std::optional<ScopedSelectObject> scratchSelected_;
  std::optional<ScopedSelectObject> fontSelected_;
  DcHandle frozenDc_;
  std::optional<ScopedSelectObject> frozenSelected_;
};

}  // namespace kx::win
