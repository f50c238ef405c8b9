#pragma once
// Fonts of the notice windows and the room their texts take.

#include <string>

#include "base/win32/ScopedWin.h"
#include "notices/NoticeDesigns.h"
#include "notices/NoticeLayout.h"

namespace kx::win {

// The designed font (Japanese character set) at the screen's resolution, in
// the first of its faces that is installed.
FontHandle CreateNoticeFont(const FontDesign& design, int pixelsPerInchY);

// The size of a text drawn in a font, its lines broken only at CR LF.
PixelSize MeasureText(HFONT font, const std::wstring& text);

}  // namespace kx::win
