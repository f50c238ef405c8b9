#pragma once
// Writing the surface's picture as a PNG file.

#include <string>

#include "base/AtomicSave.h"
#include "capture/win32/PictureSurface.h"

namespace kx::win {

// As SaveSurfaceBmp, with the picture encoded by EncodePng: a reduced
// picture as a palette image of its depth, any other as 24-bit RGB.
// Failed, and nothing written, also when the picture cannot be encoded.
SaveResult SaveSurfacePng(const PictureSurface& surface, const std::string& fileName,
                          SaveMode mode);

}  // namespace kx::win
