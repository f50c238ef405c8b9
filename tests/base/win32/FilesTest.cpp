#include "base/win32/Files.h"

#include <gtest/gtest.h>

#include "base/win32/Strconv.h"
#include "support/TempFolder.h"

namespace kx::win {
namespace {

std::string Utf8(const std::filesystem::path& path) { return WideToUtf8(path.wstring()); }

TEST(DirectoryEntryName, NamesAnExistingFolder) {
  test::TempFolder temp;
  std::filesystem::create_directory(temp.path() / L"保存先");
  EXPECT_EQ(DirectoryEntryName(Utf8(temp.path() / L"保存先"), kDirectoryAttribute), "保存先");
}

TEST(DirectoryEntryName, IgnoresFilesAndMissingPaths) {
  test::TempFolder temp;
  test::WriteAll(temp / "file.txt", "x");
  EXPECT_EQ(DirectoryEntryName(Utf8(temp / "file.txt"), kDirectoryAttribute), "");
  EXPECT_EQ(DirectoryEntryName(Utf8(temp / "missing"), kDirectoryAttribute), "");
  EXPECT_EQ(DirectoryEntryName(Utf8(temp / "file.txt"), FILE_ATTRIBUTE_ARCHIVE | kDirectoryAttribute),
            "file.txt");
}

TEST(DirectoryEntryName, TrailingBackslashFindsNothing) {
  test::TempFolder temp;
  EXPECT_EQ(DirectoryEntryName(Utf8(temp.path()) + "\\", kDirectoryAttribute), "");
  EXPECT_EQ(DirectoryEntryName("C:\\", kDirectoryAttribute), "");
}

TEST(DirectoryEntryName, WildcardsSearchAsAPattern) {
  test::TempFolder temp;
  std::filesystem::create_directory(temp / "shots");
  EXPECT_EQ(DirectoryEntryName(Utf8(temp / "sh*"), kDirectoryAttribute), "shots");
}

}  // namespace
}  // namespace kx::win
