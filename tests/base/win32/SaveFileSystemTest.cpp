// Saves on the Windows file system: the temporary file cannot be swapped
// under the save, is hidden, and leftovers of crashed saves go away.

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <thread>

#include "base/AtomicSave.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"
#include "base/win32/Win32SaveFileSystem.h"
#include "support/TempFolder.h"

namespace kx::win {
namespace {

std::string Utf8(const std::filesystem::path& path) { return WideToUtf8(path.wstring()); }

const std::vector<std::uint8_t> kBytes = {'B', 'M', 1, 2, 3, 4};

// Content that runs `during` before it hands out its first byte.
class WatchedSource final : public ByteSource {
 public:
  explicit WatchedSource(std::function<void()> during) : during_(std::move(during)) {}
  std::size_t Read(std::span<std::uint8_t> buffer) override {
    if (during_) std::exchange(during_, nullptr)();
    return bytes_.Read(buffer);
  }

 private:
  std::function<void()> during_;
  SpanSource bytes_{kBytes};
};

// Names in the folder that begin with "MDC", hidden ones included.
std::set<std::wstring> TemporaryNames(const std::filesystem::path& folder) {
  std::set<std::wstring> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::wstring name = entry.path().filename().wstring();
    if (name.rfind(L"MDC", 0) == 0) names.insert(name);
  }
  return names;
}

// Someone who may write to the save folder tries to put a link to another
// file in the temporary file's place before it is written.
TEST(Win32SaveFileSystem, NoOneCanPutAnythingInPlaceOfTheTemporaryFile) {
  test::TempFolder temp;
  const auto shots = temp / "shots";
  std::filesystem::create_directory(shots);
  test::WriteAll(temp / "victim.txt", "precious");
  Win32SaveFileSystem files;
  std::unique_ptr<TemporaryFile> temporary = files.CreateTemporaryFile(Utf8(shots));
  ASSERT_TRUE(temporary);
  const std::set<std::wstring> names = TemporaryNames(shots);
  ASSERT_EQ(names.size(), 1U);
  const std::wstring path = (shots / *names.begin()).wstring();
  EXPECT_FALSE(::DeleteFileW(path.c_str()));
  EXPECT_FALSE(
      ::MoveFileExW((temp / "victim.txt").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_FALSE(::CreateHardLinkW(path.c_str(), (temp / "victim.txt").c_str(), nullptr));
  EXPECT_FALSE(FileHandle(::CreateFileW(path.c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, 0, nullptr)));

  SpanSource content(kBytes);
  ASSERT_TRUE(temporary->WriteDurably(content));
  EXPECT_EQ(temporary->MoveTo(Utf8(shots / "KX001.BMP"), false), TemporaryFile::MoveResult::Moved);
  temporary.reset();
  EXPECT_EQ(test::ReadAll(temp / "victim.txt"), "precious");
  EXPECT_EQ(test::ReadAll(shots / "KX001.BMP"), std::string("BM\x01\x02\x03\x04"));
  EXPECT_TRUE(TemporaryNames(shots).empty());
}

// The move never replaces without being asked to, and a temporary file that
// is not moved goes away.
TEST(Win32SaveFileSystem, ATakenNameStaysAndTheTemporaryFileGoes) {
  test::TempFolder temp;
  test::WriteAll(temp / "KX001.BMP", "older");
  Win32SaveFileSystem files;
  {
    const std::unique_ptr<TemporaryFile> temporary = files.CreateTemporaryFile(Utf8(temp.path()));
    ASSERT_TRUE(temporary);
    SpanSource content(kBytes);
    ASSERT_TRUE(temporary->WriteDurably(content));
    EXPECT_EQ(temporary->MoveTo(Utf8(temp / "KX001.BMP"), false),
              TemporaryFile::MoveResult::TargetExists);
    EXPECT_EQ(TemporaryNames(temp.path()).size(), 1U);
  }
  EXPECT_TRUE(TemporaryNames(temp.path()).empty());
  EXPECT_EQ(test::ReadAll(temp / "KX001.BMP"), "older");
}

TEST(Win32SaveFileSystem, AReplaceWaitsForTheFileItReplacesToBeClosed) {
  test::TempFolder temp;
  test::WriteAll(temp / "Dammy.bmp", "older");
  FileHandle reader(::CreateFileW((temp / "Dammy.bmp").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
  std::thread closer([&] {
    ::Sleep(300);
    reader.reset();
  });
  Win32SaveFileSystem files;
  EXPECT_EQ(SaveFileAtomically(files, Utf8(temp / "Dammy.bmp"), kBytes, SaveMode::ReplaceExisting),
            SaveResult::Saved);
  closer.join();
}

TEST(Win32SaveFileSystem, ASaveRemovesLeftoversNoProgramHoldsAndHidesItsOwnFile) {
  test::TempFolder temp;
  const auto& folder = temp.path();
  const std::wstring leftover = L"MDC0123456789ABCDEF.tmp";
  const std::wstring writing = L"MDCFEDCBA9876543210.tmp";
  test::WriteAll(folder / leftover, "a crashed save");
  ::SetFileAttributesW((folder / leftover).c_str(), FILE_ATTRIBUTE_HIDDEN);
  // Not ours: other names, and a temporary file another copy is writing.
  for (const wchar_t* name : {L"MDC12AB.tmp", L"MDC0123456789ABCDEF.tmp.txt", L"MDCnotes.tmp",
                              L"MDC0123456789ABCDEG.tmp"}) {
    test::WriteAll(folder / name, "kept");
  }
  const FileHandle otherCopy(::CreateFileW((folder / writing).c_str(), GENERIC_WRITE,
                                           FILE_SHARE_READ, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_HIDDEN, nullptr));
  ASSERT_TRUE(otherCopy);

  const std::set<std::wstring> before = TemporaryNames(folder);
  std::set<std::wstring> duringSave;
  std::vector<DWORD> ownAttributes;
  WatchedSource content([&] {
    duringSave = TemporaryNames(folder);
    for (const std::wstring& name : duringSave) {
      if (!before.contains(name))
        ownAttributes.push_back(::GetFileAttributesW((folder / name).c_str()));
    }
  });
  Win32SaveFileSystem files;
  EXPECT_EQ(SaveFileAtomically(files, Utf8(folder / "KX001.BMP"), content, SaveMode::CreateNew),
            SaveResult::Saved);
  EXPECT_FALSE(duringSave.contains(leftover));
  EXPECT_TRUE(duringSave.contains(writing));
  ASSERT_EQ(ownAttributes.size(), 1U);
  EXPECT_NE(ownAttributes[0] & FILE_ATTRIBUTE_HIDDEN, 0U) << "its own temporary file is hidden";
  std::set<std::wstring> kept = before;
  kept.erase(leftover);
  EXPECT_EQ(TemporaryNames(folder), kept);
  EXPECT_EQ(::GetFileAttributesW((folder / L"KX001.BMP").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0U);
  EXPECT_EQ(test::ReadAll(folder / L"KX001.BMP"), std::string("BM\x01\x02\x03\x04"));
}

}  // namespace
}  // namespace kx::win
