#include "base/win32/Files.h"

#include <gtest/gtest.h>

#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"
#include "support/TempFolder.h"

namespace kx::win {
namespace {

std::string Utf8(const std::filesystem::path& path) { return WideToUtf8(path.wstring()); }

TEST(DirectoryExists, NamesAnExistingFolderOnly) {
  test::TempFolder temp;
  std::filesystem::create_directory(temp.path() / L"保存先");
  test::WriteAll(temp / "file.txt", "x");
  EXPECT_TRUE(DirectoryExists(Utf8(temp.path() / L"保存先")));
  EXPECT_FALSE(DirectoryExists(Utf8(temp / "file.txt")));
  EXPECT_FALSE(DirectoryExists(Utf8(temp / "missing")));
  EXPECT_FALSE(DirectoryExists(Utf8(temp.path()) + "\\"));
  EXPECT_FALSE(DirectoryExists("C:\\"));
}

TEST(DirectoryExists, AFolderNameWithWildcardsNamesNoFolder) {
  test::TempFolder temp;
  std::filesystem::create_directory(temp / "shots");
  EXPECT_TRUE(DirectoryExists(Utf8(temp / "shots")));
  for (const char* pattern : {"sh*", "sho?s", "*", "sh<", "sho>s", "shots\""}) {
    EXPECT_FALSE(DirectoryExists(Utf8(temp / pattern))) << pattern;
  }
}

// An editor keeps the file open for reading and writing and lets others do
// the same.
TEST(ReadFileBytes, ReadsAFileAnotherProgramHoldsOpen) {
  test::TempFolder temp;
  test::WriteAll(temp / "Kaptorix.ini", "[SVNO]4\r\n");
  const FileHandle editor(::CreateFileW(
      (temp / "Kaptorix.ini").c_str(), GENERIC_READ | GENERIC_WRITE,
      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(editor);
  EXPECT_EQ(ReadFileBytes(Utf8(temp / "Kaptorix.ini"), 100), "[SVNO]4\r\n");
}

}  // namespace
}  // namespace kx::win
