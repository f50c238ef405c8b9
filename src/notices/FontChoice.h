#pragma once
// Font choices of the notices.

#include <cstdint>
#include <functional>
#include <string_view>

#include "notices/NoticeDesigns.h"

namespace kx {

// The first installed face of the choices; empty when none is installed.
std::string_view ChooseFontFace(const FaceChoices& faces,
                                const std::function<bool(std::string_view)>& installed);

// The character height in pixels of a font size in points at a resolution in
// pixels per inch, rounded half to even (96 per inch when unknown).
std::int32_t FontHeightPixels(double points, int pixelsPerInch);

}  // namespace kx
