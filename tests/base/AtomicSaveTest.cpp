#include "base/AtomicSave.h"

#include <gtest/gtest.h>

#include <map>
#include <new>

#include "support/ReadSource.h"

namespace kx {
namespace {

// Files in memory; each operation can be made to fail.
class FakeFiles : public SaveFileSystem {
 public:
  std::map<std::string, std::string> files;
  bool failCreate = false;
  bool failWrite = false;  // after writing half the content, like a full disk
  bool outOfMemory = false;  // the write's buffer cannot be had
  bool failMove = false;
  std::string createdIn;

  std::optional<std::string> CreateUniqueFile(const std::string& folder) override {
    createdIn = folder;
    if (failCreate) return std::nullopt;
    const std::string name = folder + "\\MDC" + std::to_string(++counter_) + ".tmp";
    files[name] = "";
    return name;
  }
  bool WriteDurably(const std::string& path, ByteSource& content) override {
    if (outOfMemory) throw std::bad_alloc();
    const std::vector<std::uint8_t> bytes = test::ReadAll(content, 3);
    const std::size_t written = failWrite ? bytes.size() / 2 : bytes.size();
    files[path] = std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(written));
    return !failWrite;
  }
  MoveResult Move(const std::string& from, const std::string& to, bool replace) override {
    if (failMove) return MoveResult::Failed;
    if (!replace && files.count(to)) return MoveResult::TargetExists;
    files[to] = files[from];
    files.erase(from);
    return MoveResult::Moved;
  }
  void Remove(const std::string& path) override { files.erase(path); }

 private:
  int counter_ = 0;
};

const std::string kContent = "BM\x01\x02\x03\x04";
const std::vector<std::uint8_t> kBytes = {'B', 'M', 1, 2, 3, 4};

SaveResult Save(SaveFileSystem& files, const std::string& fileName, SaveMode mode) {
  SpanSource content(kBytes);
  return SaveFileAtomically(files, fileName, content, mode);
}

TEST(SaveFileAtomically, WritesThroughATemporaryFileInTheSameFolder) {
  FakeFiles fake;
  EXPECT_EQ(Save(fake, "C:\\shots\\KX001.BMP", SaveMode::CreateNew), SaveResult::Saved);
  EXPECT_EQ(fake.createdIn, "C:\\shots");
  EXPECT_EQ(fake.files, (std::map<std::string, std::string>{{"C:\\shots\\KX001.BMP", kContent}}));
}

TEST(SaveFileAtomically, BytesInMemoryAreSavedAsTheyAre) {
  FakeFiles fake;
  EXPECT_EQ(SaveFileAtomically(fake, "d\\KX001.BMP", kBytes, SaveMode::CreateNew),
            SaveResult::Saved);
  EXPECT_EQ(fake.files, (std::map<std::string, std::string>{{"d\\KX001.BMP", kContent}}));
}

TEST(SpanSource, HandsOutItsBytesOnceInPiecesOfAnySize) {
  for (const std::size_t chunk : {1U, 4U, 6U, 100U}) {
    SpanSource source(kBytes);
    EXPECT_EQ(test::ReadAll(source, chunk), kBytes) << chunk;
    std::uint8_t byte = 0;
    EXPECT_EQ(source.Read({&byte, 1}), 0U);
  }
}

TEST(SaveFileAtomically, CreateNewNeverTouchesAnExistingFile) {
  FakeFiles fake;
  fake.files["d\\KX001.BMP"] = "older";
  EXPECT_EQ(Save(fake, "d\\KX001.BMP", SaveMode::CreateNew), SaveResult::NameTaken);
  EXPECT_EQ(fake.files, (std::map<std::string, std::string>{{"d\\KX001.BMP", "older"}}));
}

TEST(SaveFileAtomically, ReplaceExistingReplaces) {
  FakeFiles fake;
  fake.files["d\\Dammy.bmp"] = "older";
  EXPECT_EQ(Save(fake, "d\\Dammy.bmp", SaveMode::ReplaceExisting), SaveResult::Saved);
  EXPECT_EQ(fake.files, (std::map<std::string, std::string>{{"d\\Dammy.bmp", kContent}}));
}

TEST(SaveFileAtomically, EveryFailureLeavesNothingBehind) {
  for (int step = 0; step < 4; ++step) {
    for (const SaveMode mode : {SaveMode::CreateNew, SaveMode::ReplaceExisting}) {
      FakeFiles fake;
      fake.failCreate = step == 0;
      fake.failWrite = step == 1;
      fake.failMove = step == 2;
      fake.outOfMemory = step == 3;
      fake.files["d\\other.txt"] = "kept";
      EXPECT_EQ(Save(fake, "d\\KX001.BMP", mode), SaveResult::Failed) << step;
      EXPECT_EQ(fake.files, (std::map<std::string, std::string>{{"d\\other.txt", "kept"}})) << step;
    }
  }
}

TEST(SaveFileAtomically, NamesThatAreNoFileFail) {
  FakeFiles fake;
  EXPECT_EQ(Save(fake, "", SaveMode::CreateNew), SaveResult::Failed);
  EXPECT_EQ(Save(fake, "d\\", SaveMode::ReplaceExisting), SaveResult::Failed);
  EXPECT_TRUE(fake.files.empty());
  EXPECT_EQ(fake.createdIn, "");
}

TEST(FolderOf, SplitsAtTheLastSeparator) {
  EXPECT_EQ(FolderOf("C:\\shots\\KX001.BMP"), "C:\\shots");
  EXPECT_EQ(FolderOf("C:\\shots\\\\KX001.BMP"), "C:\\shots");
  EXPECT_EQ(FolderOf("a.b\\c"), "a.b");
  EXPECT_EQ(FolderOf("dir/sub\\x.bmp"), "dir/sub");
  EXPECT_EQ(FolderOf("C:\\KX001.BMP"), "C:\\");
  EXPECT_EQ(FolderOf("\\KX001.BMP"), "\\");
  EXPECT_EQ(FolderOf("C:KX001.BMP"), "C:");
  EXPECT_EQ(FolderOf("KX001.BMP"), ".");
  EXPECT_EQ(FolderOf("\\\\server\\share\\x.bmp"), "\\\\server\\share");
}

}  // namespace
}  // namespace kx
