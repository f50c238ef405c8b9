#include "capture/win32/SaveBmp.h"

#include <new>

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
  std::optional<DibView> rows = SectionView(picture);
  if (!rows) {
    try {
      read = ReadDib(picture);
    } catch (const std::bad_alloc&) {
      return SaveResult::Failed;
    }
    if (read) rows = ViewOf(*read);
  }
  if (!rows) return SaveResult::Failed;
  auto file = BmpFile::Of(*rows);
  if (!file) return SaveResult::Failed;
  Win32SaveFileSystem files;
  return SaveFileAtomically(files, fileName, *file, mode);
}

}  // namespace kx::win
