#include "base/AtomicSave.h"

#include <new>

#include "base/ProductNames.h"

namespace kx {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Every UTF-8 sequence is one UTF-16 unit, those of four bytes two.
std::size_t Utf16Length(std::string_view text) {
  std::size_t length = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) ++length;
    if (byte >= 0xF0) ++length;
  }
  return length;
}

SaveResult SaveThroughTemporaryFile(SaveFileSystem& files, const std::string& fileName,
                                    ByteSource& content, SaveMode mode) {
  const std::string folder = FolderOf(fileName);
  files.RemoveLeftovers(folder);
  const std::unique_ptr<TemporaryFile> temporary = files.CreateTemporaryFile(folder);
  if (!temporary || !temporary->WriteDurably(content)) return SaveResult::Failed;
  switch (temporary->MoveTo(fileName, mode == SaveMode::ReplaceExisting)) {
    case TemporaryFile::MoveResult::Moved:
      return SaveResult::Saved;
    case TemporaryFile::MoveResult::TargetExists:
      return mode == SaveMode::CreateNew ? SaveResult::NameTaken : SaveResult::Failed;
    case TemporaryFile::MoveResult::Failed:
      break;
  }
  return SaveResult::Failed;
}

}  // namespace

std::string FolderOf(const std::string& fileName) {
  const std::size_t slash = fileName.find_last_of("\\/");
  if (slash == std::string::npos) {
    return fileName.size() >= 2 && fileName[1] == ':' ? fileName.substr(0, 2) : ".";
  }
  std::size_t end = slash;
  while (end > 0 && IsSeparator(fileName[end - 1])) --end;
  const bool isRoot = end == 0 || (end == 2 && fileName[1] == ':');
  return fileName.substr(0, isRoot ? slash + 1 : end);
}

bool FitsSaveNameLimit(const std::string& fileName) {
  const std::string folder = FolderOf(fileName);
  const bool separated = !folder.empty() && IsSeparator(folder.back());
  const std::size_t temporary = Utf16Length(folder) + (separated ? 0 : 1) +
                                kTemporaryFilePrefix.size() + kTemporaryFileDigits +
                                kTemporaryFileExtension.size();
  return Utf16Length(fileName) <= kLongestFullName && temporary <= kLongestFullName;
}

// A save that runs out of memory has failed like any other; the temporary
// file, if there was one, is gone with its owner.
SaveResult SaveFileAtomically(SaveFileSystem& files, const std::string& fileName,
                              ByteSource& content, SaveMode mode) {
  if (fileName.empty() || IsSeparator(fileName.back()) || !FitsSaveNameLimit(fileName)) {
    return SaveResult::Failed;
  }
  try {
    return SaveThroughTemporaryFile(files, fileName, content, mode);
  } catch (const std::bad_alloc&) {
    return SaveResult::Failed;
  }
}

SaveResult SaveFileAtomically(SaveFileSystem& files, const std::string& fileName,
                              std::span<const std::uint8_t> bytes, SaveMode mode) {
  SpanSource content(bytes);
  return SaveFileAtomically(files, fileName, content, mode);
}

}  // namespace kx
