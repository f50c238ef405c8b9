#include "capture/win32/SavePng.h"

#include "base/win32/Win32SaveFileSystem.h"
#include "capture/win32/BitmapPixels.h"
#include "capture/win32/PngEncoder.h"

namespace kx::win {

SaveResult SaveSurfacePng(const PictureSurface& surface, const std::string& fileName,
                          SaveMode mode) {
  const Picture& picture = surface.GetPicture();
  if (picture.Kind() != Picture::kKindBitmap) return SaveResult::Failed;
  std::optional<DibImage> read;
  const std::optional<DibView> rows = FileRows(picture, read);
  if (!rows) return SaveResult::Failed;
  const auto file = EncodePng(*rows);
  if (!file) return SaveResult::Failed;
  Win32SaveFileSystem files;
  return SaveFileAtomically(files, fileName, *file, mode);
}

}  // namespace kx::win
