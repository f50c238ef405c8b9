#include "base/AtomicSave.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <new>
#include <set>

#include "support/ReadSource.h"

namespace kx {
namespace {

// Files in memory; each operation can be made to fail.
class FakeFiles : public SaveFileSystem {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> held;  // temporary files that other saves are writing
  bool failCreate = false;
  bool failWrite = false;    // after writing half the content, like a full disk
  bool outOfMemory = false;  // the write's buffer cannot be had
  bool failMove = false;
  bool targetExists = false;  // the move finds the name taken, even when replacing
  std::string createdIn;
  std::string cleanedIn;

  void RemoveLeftovers(const std::string& folder) override {
    cleanedIn = folder;
    std::erase_if(files, [&](const auto& file) {
      return file.first.rfind(folder + "\\MDC", 0) == 0 && !held.contains(file.first);
    });
  }
  std::unique_ptr<TemporaryFile> CreateTemporaryFile(const std::string& folder) override;

 private:
  int counter_ = 0;
};

class FakeTemporary final : public TemporaryFile {
 public:
  FakeTemporary(FakeFiles& owner, std::string name) : owner_(owner), name_(std::move(name)) {}
  ~FakeTemporary() override {
    if (!moved_) owner_.files.erase(name_);
  }
  bool WriteDurably(ByteSource& content) override {
    if (owner_.outOfMemory) throw std::bad_alloc();
    const std::vector<std::uint8_t> bytes = test::ReadAll(content, 3);
    const std::size_t written = owner_.failWrite ? bytes.size() / 2 : bytes.size();
    owner_.files[name_] =
        std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(written));
    return !owner_.failWrite;
  }
  MoveResult MoveTo(const std::string& to, bool replace) override {
    if (owner_.failMove) return MoveResult::Failed;
    if (owner_.targetExists || (!replace && owner_.files.count(to))) {
      return MoveResult::TargetExists;
    }
    owner_.files[to] = owner_.files[name_];
    owner_.files.erase(name_);
    moved_ = true;
    return MoveResult::Moved;
  }

 private:
  FakeFiles& owner_;
  std::string name_;
  bool moved_ = false;
};

std::unique_ptr<TemporaryFile> FakeFiles::CreateTemporaryFile(const std::string& folder) {
  createdIn = folder;
  if (failCreate) return nullptr;
  const std::string name = folder + "\\MDC" + std::to_string(++counter_) + ".tmp";
  files[name] = "";
  return std::make_unique<FakeTemporary>(*this, name);
}

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
  for (int step = 0; step < 5; ++step) {
    for (const SaveMode mode : {SaveMode::CreateNew, SaveMode::ReplaceExisting}) {
      FakeFiles fake;
      fake.failCreate = step == 0;
      fake.failWrite = step == 1;
      fake.failMove = step == 2;
      fake.outOfMemory = step == 3;
      // A replace that finds the name taken has stored nothing.
      fake.targetExists = step == 4;
      fake.files["d\\other.txt"] = "kept";
      const SaveResult expected =
          step == 4 && mode == SaveMode::CreateNew ? SaveResult::NameTaken : SaveResult::Failed;
      EXPECT_EQ(Save(fake, "d\\KX001.BMP", mode), expected) << step;
      EXPECT_EQ(fake.files, (std::map<std::string, std::string>{{"d\\other.txt", "kept"}})) << step;
    }
  }
}

TEST(SaveFileAtomically, RemovesLeftoversOfTheFolderThatNoSaveHolds) {
  FakeFiles fake;
  fake.files["d\\MDC7.tmp"] = "crashed";
  fake.files["d\\MDC8.tmp"] = "being written";
  fake.files["e\\MDC9.tmp"] = "another folder";
  fake.held.insert("d\\MDC8.tmp");
  EXPECT_EQ(Save(fake, "d\\KX001.BMP", SaveMode::CreateNew), SaveResult::Saved);
  EXPECT_EQ(fake.cleanedIn, "d");
  EXPECT_EQ(fake.files, (std::map<std::string, std::string>{{"d\\KX001.BMP", kContent},
                                                            {"d\\MDC8.tmp", "being written"},
                                                            {"e\\MDC9.tmp", "another folder"}}));
}

TEST(SaveFileAtomically, NamesThatAreNoFileFail) {
  FakeFiles fake;
  EXPECT_EQ(Save(fake, "", SaveMode::CreateNew), SaveResult::Failed);
  EXPECT_EQ(Save(fake, "d\\", SaveMode::ReplaceExisting), SaveResult::Failed);
  EXPECT_TRUE(fake.files.empty());
  EXPECT_EQ(fake.createdIn, "");
}

// 259 UTF-16 units at most, the temporary file's longer name included.
TEST(SaveFileAtomically, NamesBeyondTheSystemsLimitFailUntouched) {
  const std::string folder = "C:\\" + std::string(232, 'f');  // 235 + 1 + 23 = 259
  std::string faces;
  for (int i = 0; i < 127; ++i) faces += "😀";  // two units each
  EXPECT_TRUE(FitsSaveNameLimit(folder + "\\KX1.BMP") && FitsSaveNameLimit("C:\\f\\" + faces));
  EXPECT_FALSE(FitsSaveNameLimit("C:\\f\\" + faces + "n"));
  FakeFiles fake;
  EXPECT_EQ(Save(fake, folder + "g\\KX1.BMP", SaveMode::CreateNew), SaveResult::Failed);
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
