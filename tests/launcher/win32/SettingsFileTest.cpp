// The settings file on disk: ANSI code page, atomic replacement, and the
// text checks that depend on the code page.

#include <windows.h>

#include <gtest/gtest.h>

#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"
#include "launcher/win32/AtomicFile.h"
#include "launcher/win32/Win32SettingsFile.h"
#include "settings/SettingsReader.h"
#include "support/TempFolder.h"

namespace kx::win {
namespace {

std::string Utf8Path(const std::filesystem::path& path) { return WideToUtf8(path.wstring()); }

std::size_t FilesIn(const std::filesystem::path& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                std::filesystem::directory_iterator()));
}

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNothingBeside) {
  test::TempFolder folder;
  const auto path = folder / "Kaptorix.ini";
  test::WriteAll(path, "old contents that are longer");
  ASSERT_TRUE(ReplaceFileContents(Utf8Path(path), "new"));
  EXPECT_EQ(test::ReadAll(path), "new");
  EXPECT_TRUE(ReplaceFileContents(Utf8Path(folder / "fresh.ini"), ""));
  EXPECT_EQ(test::ReadAll(folder / "fresh.ini"), "");
  EXPECT_EQ(FilesIn(folder.path()), 2U);
}

TEST(AtomicFile, AFailedReplaceLeavesTheTargetAsItWasAndRemovesTheNewFile) {
  test::TempFolder folder;
  // A folder in the place of the file cannot be replaced by a file.
  const auto path = folder / "Kaptorix.ini";
  std::filesystem::create_directory(path);
  test::WriteAll(path / "inside", "kept");
  EXPECT_FALSE(ReplaceFileContents(Utf8Path(path), "new"));
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(test::ReadAll(path / "inside"), "kept");
  EXPECT_EQ(FilesIn(folder.path()), 1U);
  EXPECT_FALSE(ReplaceFileContents(Utf8Path(folder / "missing" / "Kaptorix.ini"), "new"));
  EXPECT_EQ(FilesIn(folder.path()), 1U);
}

TEST(Win32SettingsFile, WritesTheCodePageAndKeepsForeignLinesByteForByte) {
  test::TempFolder folder;
  const auto path = folder / "Kaptorix.ini";
  const std::string foreign = "; \x81\x9a\xff\r\n";  // not valid in any one encoding
  test::WriteAll(path, foreign + "[PAR ]80\r\n");
  Win32SettingsFile file(Utf8Path(path));
  CaptureSettings settings = DefaultCaptureSettings("C:\\K");
  settings.printPercent = 50;
  settings.headerText = "Report";
  ASSERT_EQ(file.Write(settings), WriteOutcome::Written);
  const std::string bytes = test::ReadAll(path);
  EXPECT_EQ(bytes.substr(0, foreign.size() + 10), foreign + "[PAR ]50\r\n");
  EXPECT_NE(bytes.find("\r\n[HTXT]Report\r\n"), std::string::npos);

  CaptureSettings readBack = DefaultCaptureSettings("C:\\K");
  ReadSettings(file.Read().value_or(""), readBack);
  EXPECT_EQ(readBack, settings);
}

TEST(Win32SettingsFile, RefusesTextTheCodePageCannotHoldAndKeepsTheFile) {
  test::TempFolder folder;
  const auto path = folder / "Kaptorix.ini";
  test::WriteAll(path, "[PAR ]80\r\n");
  Win32SettingsFile file(Utf8Path(path));
  CaptureSettings settings = DefaultCaptureSettings("C:\\K");
  settings.printer = "😀";
  EXPECT_EQ(file.Write(settings), WriteOutcome::NotEncodable);
  EXPECT_EQ(test::ReadAll(path), "[PAR ]80\r\n");
}

TEST(Win32SettingsFile, DoesNotReplaceAFileItCannotRead) {
  test::TempFolder folder;
  const auto path = folder / "Kaptorix.ini";
  test::WriteAll(path, "[PAR ]80\r\nkeep me\r\n");
  Win32SettingsFile file(Utf8Path(path));
  {
    const FileHandle lock(
        ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    EXPECT_EQ(file.Read(), std::nullopt);
    EXPECT_EQ(file.Write(DefaultCaptureSettings("C:\\K")), WriteOutcome::Failed);
  }
  EXPECT_EQ(test::ReadAll(path), "[PAR ]80\r\nkeep me\r\n");
  EXPECT_EQ(FilesIn(folder.path()), 1U);
}

// No settings file comes near a mebibyte: a longer one is refused before it
// is read, and never replaced.
TEST(Win32SettingsFile, RefusesAFileOverAMebibyteAndKeepsIt) {
  test::TempFolder folder;
  const auto path = folder / "Kaptorix.ini";
  const std::string atLimit = "[SVNO]4\r\n" + std::string((1 << 20) - 9, '\n');
  test::WriteAll(path, atLimit);
  Win32SettingsFile file(Utf8Path(path));
  ASSERT_TRUE(file.Read());
  EXPECT_EQ(file.Read()->size(), std::size_t{1} << 20);

  const std::string overLimit = atLimit + "\n";
  test::WriteAll(path, overLimit);
  EXPECT_FALSE(file.Read().has_value());
  EXPECT_EQ(file.Write(DefaultCaptureSettings("C:\\K")), WriteOutcome::Failed);
  EXPECT_TRUE(test::ReadAll(path) == overLimit) << "the file is kept as it was";
  EXPECT_EQ(FilesIn(folder.path()), 1U);
}

TEST(Win32SettingsFile, ReadsAFileAnEditorHoldsOpen) {
  test::TempFolder folder;
  const auto path = folder / "Kaptorix.ini";
  test::WriteAll(path, "[PAR ]80\r\n");
  const FileHandle editor(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        0, nullptr));
  ASSERT_TRUE(editor);
  EXPECT_EQ(Win32SettingsFile(Utf8Path(path)).Read(), "[PAR ]80\r\n");
}

TEST(Win32SettingsProbe, FindsFoldersAsTheCaptureProgramDoes) {
  test::TempFolder folder;
  test::WriteAll(folder / "file.txt", "x");
  Win32SettingsProbe probe;
  EXPECT_TRUE(probe.FolderExists(Utf8Path(folder.path())));
  EXPECT_FALSE(probe.FolderExists(Utf8Path(folder / "file.txt")));
  EXPECT_FALSE(probe.FolderExists(Utf8Path(folder / "missing")));
}

}  // namespace
}  // namespace kx::win
