#include "launcher/win32/AtomicFile.h"

#include <cstdint>
#include <span>

#include "base/AtomicSave.h"
#include "base/win32/Win32SaveFileSystem.h"

namespace kx::win {

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  Win32SaveFileSystem files;
  const std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                           bytes.size());
  return SaveFileAtomically(files, path, data, SaveMode::ReplaceExisting) == SaveResult::Saved;
}

}  // namespace kx::win
