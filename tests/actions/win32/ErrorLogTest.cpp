#include <gtest/gtest.h>
#include <windows.h>

#include "actions/win32/ErrorLog.h"
#include "base/win32/ProcessInfo.h"
#include "base/win32/Strconv.h"
#include "support/TempFolder.h"

namespace kx::win {
namespace {

std::string Utf8Path(const std::filesystem::path& path) { return WideToUtf8(path.wstring()); }

const std::string kRecord = "印刷エラー=PrintPictureToFitPage\r\nErr.Number=11\r\nTXT=\r\nMUK=2";

TEST(ErrorLog, FirstRecordCreatesTheFileInTheAnsiCodePage) {
  test::TempFolder temp;
  const auto log = temp / "Kaptorix_Key.log";
  AppendErrorLogAt(Utf8Path(log), kRecord);
  const std::string expected = Utf8ToAnsi(kRecord) + "\r\n";
  EXPECT_EQ(test::ReadAll(log), expected);
  if (::GetACP() == 932) {  // the Japanese label in Shift-JIS
    EXPECT_EQ(expected.substr(0, 10), "\x88\xf3\x8d\xfc\x83\x47\x83\x89\x81\x5b");
  }
}

TEST(ErrorLog, LaterRecordsFollowDirectly) {
  test::TempFolder temp;
  const auto log = temp / "Kaptorix_Key.log";
  test::WriteAll(log, "old\r\n");
  AppendErrorLogAt(Utf8Path(log), "one");
  AppendErrorLogAt(Utf8Path(log), kRecord);
  EXPECT_EQ(test::ReadAll(log), "old\r\none\r\n" + Utf8ToAnsi(kRecord) + "\r\n");
}

TEST(ErrorLog, UnwritablePlaceLosesTheRecordQuietly) {
  test::TempFolder temp;
  EXPECT_NO_THROW(AppendErrorLogAt(Utf8Path(temp / "missing" / "Kaptorix_Key.log"), kRecord));
  EXPECT_FALSE(std::filesystem::exists(temp / "missing"));
  std::filesystem::create_directory(temp / "folder.log");
  EXPECT_NO_THROW(AppendErrorLogAt(Utf8Path(temp / "folder.log"), kRecord));
  EXPECT_TRUE(std::filesystem::is_directory(temp / "folder.log"));
}

TEST(ErrorLog, LivesBesideTheProgramUnderItsTitle) {
  EXPECT_EQ(ErrorLogPath(), ProgramDir() + "\\Kaptorix_Key.log");
}

}  // namespace
}  // namespace kx::win
