#include "capture/win32/SaveSurface.h"

#include "base/win32/Win32SaveFileSystem.h"
#include "capture/BmpEncoder.h"
#include "capture/win32/BitmapPixels.h"
#include "capture/win32/PngEncoder.h"

namespace kx::win {
namespace {

// A picture held in a bitmap section is encoded from its own rows; any
// other is read out first. `encode` gives the file's content or nothing.
template <typename Encode>
SaveResult SaveEncoded(const PictureSurface& surface, const std::string& fileName, SaveMode mode,
                       Encode encode) {
  const Picture& picture = surface.GetPicture();
  if (!picture) return SaveResult::Failed;
  std::optional<DibImage> read;
  const std::optional<DibView> rows = FileRows(picture, read);
  if (!rows) return SaveResult::Failed;
  auto file = encode(*rows);
  if (!file) return SaveResult::Failed;
  Win32SaveFileSystem files;
  return SaveFileAtomically(files, fileName, *file, mode);
}

}  // namespace

SaveResult SaveSurfaceBmp(const PictureSurface& surface, const std::string& fileName,
                          SaveMode mode) {
  return SaveEncoded(surface, fileName, mode,
                     [](const DibView& rows) { return BmpFile::Of(rows); });
}

SaveResult SaveSurfacePng(const PictureSurface& surface, const std::string& fileName,
                          SaveMode mode) {
  return SaveEncoded(surface, fileName, mode, [](const DibView& rows) { return EncodePng(rows); });
}

}  // namespace kx::win
