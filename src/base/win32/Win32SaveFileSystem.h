#pragma once
// The file operations of an atomic save, on the Windows file system.

#include "base/AtomicSave.h"

namespace kx::win {

// Temporary files are hidden and named kTemporaryFilePrefix, 16 hexadecimal
// digits and kTemporaryFileExtension. Each is created new (never opened if a
// file of its name exists), written and flushed through the one handle that
// created it, and renamed through that handle (without replacing, unless
// asked to), so nothing can be put in its place on the way. The handle
// shares nothing: a leftover that can be opened alone is one no save is
// writing any more.
class Win32SaveFileSystem final : public SaveFileSystem {
 public:
  void RemoveLeftovers(const std::string& folder) override;
  std::unique_ptr<TemporaryFile> CreateTemporaryFile(const std::string& folder) override;
};

}  // namespace kx::win
