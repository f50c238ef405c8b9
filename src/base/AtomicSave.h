#pragma once
// Writing a whole file so that it appears complete or not at all: the bytes go
// to a fresh temporary file in the same folder, held open by the save alone,
// are flushed, and the file is then moved to its name. Temporary files that
// crashed saves left behind are removed by a later save in that folder.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "base/ByteSource.h"

namespace kx {

enum class SaveMode {
  ReplaceExisting,  // an existing file of the name is replaced in one step
  CreateNew,        // an existing file of the name is never touched
};

enum class [[nodiscard]] SaveResult{Saved, NameTaken, Failed};

// A temporary file a save holds open from its creation until it is moved to
// its name; no one else can open, replace or remove it meanwhile. Dropped
// without being moved, it is deleted.
class TemporaryFile {
 public:
  enum class MoveResult { Moved, TargetExists, Failed };

  virtual ~TemporaryFile() = default;
  // Writes everything the source holds as the file's whole content and
  // flushes it to disk.
  virtual bool WriteDurably(ByteSource& content) = 0;
  // Gives the file the name `fileName` in its folder; without
  // `replaceExisting` an existing file of that name gives TargetExists and
  // stays as it is.
  virtual MoveResult MoveTo(const std::string& fileName, bool replaceExisting) = 0;
};

// The file operations a save needs; paths are UTF-8.
class SaveFileSystem {
 public:
  virtual ~SaveFileSystem() = default;
  // Removes the temporary files of earlier saves in `folder` that no program
  // holds open; one another save is writing stays.
  virtual void RemoveLeftovers(const std::string& folder) = 0;
  // A new temporary file in `folder`, or nothing when none can be made.
  virtual std::unique_ptr<TemporaryFile> CreateTemporaryFile(const std::string& folder) = 0;
};

// The longest full file name, in UTF-16 code units, that the system's file
// calls take without a long-path prefix: MAX_PATH less the closing NUL.
inline constexpr std::size_t kLongestFullName = 259;

// True when a save of `fileName` (a full name, UTF-8) and its temporary file
// beside it both stay within kLongestFullName.
bool FitsSaveNameLimit(const std::string& fileName);

// The folder part of a file name ("\" or "/" separated): "." when there is
// none, the drive ("C:") for a name like "C:x.bmp", the root with its
// separator for a file in a root folder.
std::string FolderOf(const std::string& fileName);

// Saves the content under `fileName`. NameTaken only in CreateNew mode, when a
// file of that name exists at the moment of the move; Failed, with nothing
// touched, for a name beyond FitsSaveNameLimit. Whatever the result,
// no file is left behind but the saved one; leftovers of earlier saves in the
// folder are removed first.
SaveResult SaveFileAtomically(SaveFileSystem& files, const std::string& fileName,
                              ByteSource& content, SaveMode mode);
SaveResult SaveFileAtomically(SaveFileSystem& files, const std::string& fileName,
                              std::span<const std::uint8_t> bytes, SaveMode mode);

}  // namespace kx
