#include "region/win32/OverlayPainter.h"

#include <algorithm>
#include <cstring>

#include "base/win32/Strconv.h"
#include "region/RectMath.h"

namespace kx::win {
namespace {

constexpr COLORREF kAccent = RGB(0, 162, 255);
constexpr COLORREF kGrip = RGB(255, 255, 255);
constexpr COLORREF kPanel = RGB(32, 32, 32);
constexpr COLORREF kPanelText = RGB(255, 255, 255);
constexpr COLORREF kGridLine = RGB(72, 72, 72);
constexpr COLORREF kMarkInner = RGB(255, 255, 255);
constexpr COLORREF kMarkOuter = RGB(0, 0, 0);
constexpr std::int32_t kFirstGridZoom = 4;  // below it grid lines would hide the pixels

RECT ToRect(const ScreenRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

void Fill(HDC dc, const ScreenRect& rect, COLORREF colour) {
  ::SetDCBrushColor(dc, colour);
  const RECT r = ToRect(rect);
  ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void Frame(HDC dc, const ScreenRect& rect, COLORREF colour) {
  ::SetDCBrushColor(dc, colour);
  const RECT r = ToRect(rect);
  ::FrameRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

bool Meets(const ScreenRect& a, const ScreenRect& b) { return Intersection(a, b).has_value(); }

FontHandle MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
  return FontHandle(::CreateFontIndirectW(&metrics.lfMessageFont));
}

// Half as bright: each channel shifted down by one bit.
void CopyDimmed(const std::uint32_t* source, std::uint32_t* target, std::int32_t count) {
  for (std::int32_t i = 0; i < count; ++i) target[i] = (source[i] >> 1) & 0x7F7F7F;
}

}  // namespace

OverlayPainter::OverlayPainter(const FrozenScreen& frozen)
    : frozen_(frozen),
      font_(MessageFont()),
      scratch_(CreateDibSection(kTileWidth, kTileHeight, 32, {})),
      scratchDc_(::CreateCompatibleDC(nullptr)),
      frozenDc_(::CreateCompatibleDC(nullptr)) {
  if (!scratch_.bitmap || !scratchDc_ || !frozenDc_) return;
  scratchSelected_.emplace(scratchDc_.get(), scratch_.bitmap.get());
  fontSelected_.emplace(scratchDc_.get(), font_ ? static_cast<HGDIOBJ>(font_.get())
                                                : ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(scratchDc_.get(), TRANSPARENT);
  ::SetTextColor(scratchDc_.get(), kPanelText);
  ::SetStretchBltMode(scratchDc_.get(), COLORONCOLOR);
  frozenSelected_.emplace(frozenDc_.get(), frozen_.picture.Bitmap());
}

BoxSize OverlayPainter::TextSize(const std::string& text) const {
  const std::wstring wide = Utf8ToWide(text);
  SIZE size{};
  ::GetTextExtentPoint32W(scratchDc_.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return {size.cx, size.cy};
}

void OverlayPainter::Paint(HDC target, const ScreenRect& rect, const OverlayView& view) {
  for (std::int32_t top = rect.top; top < rect.bottom; top += kTileHeight) {
    for (std::int32_t left = rect.left; left < rect.right; left += kTileWidth) {
      const ScreenRect tile{left, top, std::min(left + kTileWidth, rect.right),
                            std::min(top + kTileHeight, rect.bottom)};
      FillBase(tile, view.bright);
      ::SetViewportOrgEx(scratchDc_.get(), -tile.left, -tile.top, nullptr);
      DrawParts(tile, view);
      ::SetViewportOrgEx(scratchDc_.get(), 0, 0, nullptr);
      ::BitBlt(target, tile.left - frozen_.area.left, tile.top - frozen_.area.top, Width(tile),
               Height(tile), scratchDc_.get(), 0, 0, SRCCOPY);
    }
  }
}

// The frozen rows straight into the tile's: the block copy to the window is
// the only drawing call the picture itself needs.
void OverlayPainter::FillBase(const ScreenRect& tile, const std::optional<ScreenRect>& bright) {
  ::GdiFlush();  // the tile's earlier drawing is done before its bits change
  const std::int32_t width = Width(tile);
  for (std::int32_t y = tile.top; y < tile.bottom; ++y) {
    const auto* source = reinterpret_cast<const std::uint32_t*>(
                             frozen_.picture.SectionRows().Row(y - frozen_.area.top)) +
                         (tile.left - frozen_.area.left);
    auto* target = reinterpret_cast<std::uint32_t*>(scratch_.rows.Row(y - tile.top));
    std::int32_t from = width;
    std::int32_t to = width;
    if (bright && y >= bright->top && y < bright->bottom) {
      from = std::clamp(bright->left - tile.left, 0, width);
      to = std::clamp(bright->right - tile.left, from, width);
    }
    CopyDimmed(source, target, from);
    std::memcpy(target + from, source + from,
                sizeof(std::uint32_t) * static_cast<std::size_t>(to - from));
    CopyDimmed(source + to, target + to, width - to);
  }
}

void OverlayPainter::DrawParts(const ScreenRect& tile, const OverlayView& view) {
  const HDC dc = scratchDc_.get();
  if (view.outline) {
    const bool frame = view.outlineKind == OutlineKind::Frame;
    for (const ScreenRect& strip :
         OutlineStrips(*view.outline, frame ? OutlineKind::Selection : view.outlineKind)) {
      if (Meets(strip, tile)) Fill(dc, strip, kAccent);
    }
    if (frame) {
      for (const ScreenRect& grip : FrameGrips(*view.outline)) {
        if (!Meets(grip, tile)) continue;
        Fill(dc, grip, kGrip);
        Frame(dc, grip, kAccent);
      }
    }
  }
  if (view.crosshair) {
    for (const ScreenRect& line : CrosshairLines(*view.crosshair, frozen_.area)) {
      if (Meets(line, tile)) Fill(dc, line, kAccent);
    }
  }
  if (view.label && Meets(view.label->box, tile)) {
    DrawText(view.label->text, view.label->box, kPanel);
  }
  if (view.magnifier && Meets(view.magnifier->box, tile)) DrawMagnifier(*view.magnifier);
}

void OverlayPainter::DrawText(const std::string& text, const ScreenRect& box, COLORREF background) {
  Fill(scratchDc_.get(), box, background);
  const std::wstring wide = Utf8ToWide(text);
  RECT r = ToRect(box);
  ::DrawTextW(scratchDc_.get(), wide.c_str(), static_cast<int>(wide.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// The zoomed pixels come from the part of the picture that exists; around
// it the grid stays black.
void OverlayPainter::DrawMagnifier(const MagnifierView& magnifier) {
  const HDC dc = scratchDc_.get();
  const ScreenRect grid = MagnifierGrid(magnifier);
  const std::int32_t zoom = magnifier.zoom;
  Fill(dc, magnifier.box, kPanel);
  Fill(dc, grid, RGB(0, 0, 0));
  const std::int32_t half = magnifier.cells / 2;
  const ScreenRect wanted{magnifier.centre.x - half, magnifier.centre.y - half,
                          magnifier.centre.x + half + 1, magnifier.centre.y + half + 1};
  if (const auto shown = Intersection(wanted, frozen_.area)) {
    ::StretchBlt(dc, grid.left + (shown->left - wanted.left) * zoom,
                 grid.top + (shown->top - wanted.top) * zoom, Width(*shown) * zoom,
                 Height(*shown) * zoom, frozenDc_.get(), shown->left - frozen_.area.left,
                 shown->top - frozen_.area.top, Width(*shown), Height(*shown), SRCCOPY);
  }
  if (zoom >= kFirstGridZoom) {
    for (std::int32_t i = 1; i < magnifier.cells; ++i) {
      Fill(dc, {grid.left + i * zoom, grid.top, grid.left + i * zoom + 1, grid.bottom}, kGridLine);
      Fill(dc, {grid.left, grid.top + i * zoom, grid.right, grid.top + i * zoom + 1}, kGridLine);
    }
  }
  const ScreenRect centre{grid.left + half * zoom, grid.top + half * zoom,
                          grid.left + (half + 1) * zoom + 1, grid.top + (half + 1) * zoom + 1};
  Frame(dc, Inflate(centre, 1), kMarkOuter);
  Frame(dc, centre, kMarkInner);
  DrawText(magnifier.caption, MagnifierCaption(magnifier), kPanel);
}

}  // namespace kx::win
