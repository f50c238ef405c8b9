#pragma once
// Writing a whole file so that it appears complete or not at all: the bytes go
// to a fresh file in the same folder, are flushed, and the file is then moved
// to its name.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/ByteSource.h"

namespace kx {

enum class SaveMode {
  ReplaceExisting,  // an existing file of the name is replaced in one step
  CreateNew,        // an existing file of the name is never touched
};

enum class SaveResult { Saved, NameTaken, Failed };

// The file operations a save needs; paths are UTF-8.
class SaveFileSystem {
 public:
  enum class MoveResult { Moved, TargetExists, Failed };

  virtual ~SaveFileSystem() = default;
  // Creates a new empty file with a name of its own in `folder`; its path.
  virtual std::optional<std::string> CreateUniqueFile(const std::string& folder) = 0;
  // Writes everything the source holds as the file's whole content and
  // flushes it to disk.
  virtual bool WriteDurably(const std::string& path, ByteSource& content) = 0;
  // Renames `from` to `to`; without `replaceExisting` an existing `to` gives
  // TargetExists and stays as it is.
  virtual MoveResult Move(const std::string& from, const std::string& to, bool replaceExisting) = 0;
  virtual void Remove(const std::string& path) = 0;
};

// The folder part of a file name ("\" or "/" separated): "." when there is
// none, the drive ("C:") for a name like "C:x.bmp", the root with its
// separator for a file in a root folder.
std::string FolderOf(const std::string& fileName);

// Saves the content under `fileName`. NameTaken only in CreateNew mode, when a
// file of that name exists at the moment of the move. Whatever the result,
// no file is left behind but the saved one.
SaveResult SaveFileAtomically(SaveFileSystem& files, const std::string& fileName,
                              ByteSource& content, SaveMode mode);
SaveResult SaveFileAtomically(SaveFileSystem& files, const std::string& fileName,
                              std::span<const std::uint8_t> bytes, SaveMode mode);

}  // namespace kx
