#include "capture/win32/SaveBmp.h"

#include "base/win32/Win32SaveFileSystem.h"
#include "capture/BmpEncoder.h"
#include "capture/win32/BitmapPixels.h"

namespace kx::win {

// A picture held in a bitmap section is written from its own rows; any
// other is read out first.
SaveResult SaveSurfaceBmp(const PictureSurface& surface, const std::string& fileName,
                          SaveMode mode) {
  const Picture& picture = surface.GetPicture();
  if (picture.Kind() != Picture::kKindBitmap) return SaveResult::Failed;
  std::optional<DibImage> read;
  const std::optional<DibView> rows = FileRows(picture, read);
  if (!rows) return SaveResult::Failed;
  auto file = BmpFile::Of(*rows);
  if (!file) return SaveResult::Failed;
  Win32SaveFileSystem files;
  return SaveFileAtomically(files, fileName, *file, mode);
}

}  // namespace kx::win
