#include "base/win32/SystemUtilities.h"

#include <gtest/gtest.h>

#include "base/win32/Strconv.h"
#include "support/TempFolder.h"

namespace kx::win {
namespace {

std::string Utf8(const std::filesystem::path& path) { return WideToUtf8(path.wstring()); }

TEST(GetDirName, NamesAnExistingFolder) {
  test::TempFolder temp;
  std::filesystem::create_directory(temp.path() / L"保存先");
  EXPECT_EQ(GetDirName(Utf8(temp.path() / L"保存先"), kDirectoryAttribute), "保存先");
}

TEST(GetDirName, IgnoresFilesAndMissingPaths) {
  test::TempFolder temp;
  test::WriteAll(temp / "file.txt", "x");
  EXPECT_EQ(GetDirName(Utf8(temp / "file.txt"), kDirectoryAttribute), "");
  EXPECT_EQ(GetDirName(Utf8(temp / "missing"), kDirectoryAttribute), "");
  EXPECT_EQ(GetDirName(Utf8(temp / "file.txt"), FILE_ATTRIBUTE_ARCHIVE | kDirectoryAttribute),
            "file.txt");
}

TEST(GetDirName, TrailingBackslashFindsNothing) {
  test::TempFolder temp;
  EXPECT_EQ(GetDirName(Utf8(temp.path()) + "\\", kDirectoryAttribute), "");
  EXPECT_EQ(GetDirName("C:\\", kDirectoryAttribute), "");
}

TEST(GetDirName, WildcardsSearchAsAPattern) {
  test::TempFolder temp;
  std::filesystem::create_directory(temp / "shots");
  EXPECT_EQ(GetDirName(Utf8(temp / "sh*"), kDirectoryAttribute), "shots");
}

TEST(ActiveWindowGet, ReportsTheForegroundWindowAndItsTitle) {
  const HWND window = ::CreateWindowExW(0, L"STATIC", L"前面テスト", WS_POPUP | WS_VISIBLE, 0, 0,
                                        50, 50, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  ::SetForegroundWindow(window);
  HWND found = nullptr;
  std::string title;
  ActiveWindowGet(found, title);
  EXPECT_EQ(found, window);
  EXPECT_EQ(title, "前面テスト");

  ::SetWindowTextW(window, std::wstring(300, L'a').c_str());
  ActiveWindowGet(found, title);
  EXPECT_EQ(title, std::string(127, 'a'));

  ::SetWindowTextW(window, L"");
  ActiveWindowGet(found, title);
  EXPECT_EQ(found, window);
  EXPECT_EQ(title, "");
  ::DestroyWindow(window);
}

TEST(Sleep, BlocksForTheGivenTime) {
  const DWORD before = ::GetTickCount();
  Sleep(120);
  EXPECT_GE(::GetTickCount() - before, 100U);
}

}  // namespace
}  // namespace kx::win
