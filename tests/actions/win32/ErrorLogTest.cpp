#include <windows.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <thread>
#include <vector>

#include "actions/win32/ErrorLog.h"
#include "base/win32/ProcessInfo.h"
#include "base/win32/ScopedWin.h"
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

// Another program holding the log for a moment delays the record; holding it
// longer loses the record quietly.
TEST(ErrorLog, WaitsBrieflyForALogAnotherProgramHolds) {
  test::TempFolder temp;
  const auto log = temp / "Kaptorix_Key.log";
  test::WriteAll(log, "old\r\n");
  FileHandle holder(
      ::CreateFileW(log.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(holder);
  std::thread release([&] {
    ::Sleep(200);
    holder.reset();
  });
  AppendErrorLogAt(Utf8Path(log), "one");
  release.join();
  EXPECT_EQ(test::ReadAll(log), "old\r\none\r\n");

  {
    const FileHandle keeper(
        ::CreateFileW(log.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(keeper);
    EXPECT_NO_THROW(AppendErrorLogAt(Utf8Path(log), "two"));
  }
  EXPECT_EQ(test::ReadAll(log), "old\r\none\r\n");
}

// Two copies of error_log_writer append 300 records each at the same time.
TEST(ErrorLog, TwoProgramsAppendingAtOnceKeepEveryRecordWhole) {
  constexpr int kRecords = 300;
  test::TempFolder temp;
  const auto log = temp / "Kaptorix_Key.log";
  const std::wstring suffix = std::to_wstring(::GetCurrentProcessId());
  const std::wstring readyName = L"kx-log-ready-" + suffix;
  const std::wstring startName = L"kx-log-start-" + suffix;
  const KernelHandle ready(::CreateSemaphoreW(nullptr, 0, 2, readyName.c_str()));
  const KernelHandle start(::CreateEventW(nullptr, TRUE, FALSE, startName.c_str()));
  ASSERT_TRUE(ready && start);

  const std::wstring writer = Utf8ToWide(ProgramDir()) + L"\\error_log_writer.exe";
  std::vector<KernelHandle> writers;
  for (const wchar_t* tag : {L"A", L"B"}) {
    std::wstring line = L"\"" + writer + L"\" \"" + log.wstring() + L"\" " + tag + L" " +
                        std::to_wstring(kRecords) + L" " + readyName + L" " + startName;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(::CreateProcessW(writer.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &info));
    ::CloseHandle(info.hThread);
    writers.emplace_back(info.hProcess);
  }
  for (int i = 0; i < 2; ++i) ASSERT_EQ(::WaitForSingleObject(ready.get(), 30000), WAIT_OBJECT_0);
  ::SetEvent(start.get());
  for (const KernelHandle& process : writers) {
    ASSERT_EQ(::WaitForSingleObject(process.get(), 60000), WAIT_OBJECT_0);
    DWORD code = 1;
    ::GetExitCodeProcess(process.get(), &code);
    EXPECT_EQ(code, 0U);
  }

  // Records of fourteen lines, each line of one record and in order.
  std::istringstream text(test::ReadAll(log));
  std::map<std::string, std::set<int>> numbers;
  std::vector<std::string> record;
  int broken = 0;
  for (std::string line; std::getline(text, line);) {
    if (line.empty() || line.back() != '\r') {
      ++broken;
      continue;
    }
    line.pop_back();
    record.push_back(line);
    if (record.size() < 14) continue;
    std::istringstream first(record[0]);
    std::string tag;
    int number = -1;
    first >> tag >> number;
    for (int n = 0; n < 14; ++n) {
      if (record[static_cast<std::size_t>(n)] !=
          tag + " " + std::to_string(number) + " " + std::to_string(n + 1)) {
        ++broken;
      }
    }
    numbers[tag].insert(number);
    record.clear();
  }
  EXPECT_EQ(broken, 0);
  EXPECT_TRUE(record.empty());
  EXPECT_EQ(numbers["A"].size(), static_cast<std::size_t>(kRecords));
  EXPECT_EQ(numbers["B"].size(), static_cast<std::size_t>(kRecords));
  EXPECT_EQ(numbers.size(), 2U);
}

TEST(ErrorLog, LivesBesideTheProgramUnderItsTitle) {
  EXPECT_EQ(ErrorLogPath(), ProgramDir() + "\\Kaptorix_Key.log");
}

}  // namespace
}  // namespace kx::win
