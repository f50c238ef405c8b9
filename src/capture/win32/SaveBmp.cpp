#include "capture/win32/SaveBmp.h"

#include "capture/BmpEncoder.h"
#include "capture/win32/BitmapPixels.h"
#include "capture/win32/Win32SaveFileSystem.h"

namespace kx::win {

SaveResult SaveSurfaceBmp(const PictureSurface& surface, const std::string& fileName,
                          SaveMode mode) {
  const Picture& picture = surface.GetPicture();
  if (picture.Kind() != Picture::kKindBitmap) return SaveResult::Failed;
  const auto dib = ReadDib(picture);
  if (!dib) return SaveResult::Failed;
  const auto bytes = EncodeBmp(*dib);
  if (!bytes) return SaveResult::Failed;
  Win32SaveFileSystem files;
  return SaveFileAtomically(files, fileName, *bytes, mode);
}

}  // namespace kx::win
