#pragma once
// The file operations of an atomic save, on the Windows file system.

#include "base/AtomicSave.h"

namespace kx::win {

class Win32SaveFileSystem final : public SaveFileSystem {
 public:
  // Files named kTemporaryFilePrefix and a hexadecimal number, ending in ".tmp".
  std::optional<std::string> CreateUniqueFile(const std::string& folder) override;
  bool WriteDurably(const std::string& path, ByteSource& content) override;
  MoveResult Move(const std::string& from, const std::string& to, bool replaceExisting) override;
  void Remove(const std::string& path) override;
};

}  // namespace kx::win
