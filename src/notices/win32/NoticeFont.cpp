#include "notices/win32/NoticeFont.h"

#include <cwchar>

#include "base/win32/FontFaces.h"
#include "base/win32/Strconv.h"
#include "notices/FontChoice.h"

namespace kx::win {
namespace {

bool FaceInstalled(std::string_view face) { return FontFaceInstalled(face, SHIFTJIS_CHARSET); }

}  // namespace

FontHandle CreateNoticeFont(const FontDesign& design, int pixelsPerInchY) {
  LOGFONTW font{};
  font.lfHeight = -FontHeightPixels(design.points, pixelsPerInchY);
  font.lfWeight = design.weight;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = Utf8ToWide(ChooseFontFace(design.faces, &FaceInstalled));
  std::wmemcpy(font.lfFaceName, face.c_str(), face.size() + 1);
  return FontHandle(::CreateFontIndirectW(&font));
}

PixelSize MeasureText(HFONT font, const std::wstring& text) {
  const WindowDc screen = WindowDc::Client(nullptr);
  const ScopedSelectObject selected(screen.get(), font);
  RECT bounds{};
  ::DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

}  // namespace kx::win
