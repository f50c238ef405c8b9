#include "base/AtomicSave.h"

#include <new>

namespace kx {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// A write that runs out of memory has failed like any other.
bool Write(SaveFileSystem& files, const std::string& path, ByteSource& content) {
  try {
    return files.WriteDurably(path, content);
  } catch (const std::bad_alloc&) {
    return false;
  }
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

SaveResult SaveFileAtomically(SaveFileSystem& files, const std::string& fileName,
                              ByteSource& content, SaveMode mode) {
  if (fileName.empty() || IsSeparator(fileName.back())) return SaveResult::Failed;
  const auto temporary = files.CreateUniqueFile(FolderOf(fileName));
  if (!temporary) return SaveResult::Failed;
  if (!Write(files, *temporary, content)) {
    files.Remove(*temporary);
    return SaveResult::Failed;
  }
  switch (files.Move(*temporary, fileName, mode == SaveMode::ReplaceExisting)) {
    case SaveFileSystem::MoveResult::Moved:
      return SaveResult::Saved;
    case SaveFileSystem::MoveResult::TargetExists:
      files.Remove(*temporary);
      return mode == SaveMode::CreateNew ? SaveResult::NameTaken : SaveResult::Failed;
    case SaveFileSystem::MoveResult::Failed:
      break;
  }
  files.Remove(*temporary);
  return SaveResult::Failed;
}

SaveResult SaveFileAtomically(SaveFileSystem& files, const std::string& fileName,
                              std::span<const std::uint8_t> bytes, SaveMode mode) {
  SpanSource content(bytes);
  return SaveFileAtomically(files, fileName, content, mode);
}

}  // namespace kx
