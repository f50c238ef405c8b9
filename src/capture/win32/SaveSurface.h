#pragma once
// Writing the surface's picture as a BMP or PNG file.

#include <string>

#include "base/AtomicSave.h"
#include "capture/win32/PictureSurface.h"

namespace kx::win {

using kx::SaveMode;
using kx::SaveResult;

// Writes the surface's picture at its own depth (a reduced picture with its
// colour table) under `fileName`, completely or not at all: ReplaceExisting
// replaces a file of that name in one step (the store file); CreateNew gives
// NameTaken when a file of that name exists and leaves it alone. No picture,
// a picture that is not a bitmap, or any write failure gives Failed, and no
// file is left behind.
SaveResult SaveSurfaceBmp(const PictureSurface& surface, const std::string& fileName,
                          SaveMode mode);

// As SaveSurfaceBmp, with the picture encoded by EncodePng: a reduced
// picture as a palette image of its depth, any other as 24-bit RGB.
// Failed, and nothing written, also when the picture cannot be encoded.
SaveResult SaveSurfacePng(const PictureSurface& surface, const std::string& fileName,
                          SaveMode mode);

}  // namespace kx::win
