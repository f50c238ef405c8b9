// The real program's start-up: launcher check, settings file, window placement
// and the close request that ends the resident course.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "base/ExitCodes.h"
#include "base/ProductNames.h"
#include "base/win32/Strconv.h"
#include "e2e/harness/KaptorixRun.h"
#include "e2e/harness/WindowProbe.h"

namespace kx::e2e {
namespace {

constexpr DWORD kExitTimeoutMs = 10000;
const std::string kStartupErrorTitle = "起動エラー";

// The one start-up error box: its exact text; OK ends the process.
void ExpectStartupBoxThenExit(const KaptorixProcess& run, const std::string& text) {
  const HWND box = WaitForWindow(run.id(), kStartupErrorTitle);
  ASSERT_NE(box, nullptr) << "no start-up error box";
  EXPECT_EQ(ClassName(box), "#32770");
  EXPECT_EQ(MessageBoxText(box), text);
  EXPECT_TRUE(run.Running()) << "the process must wait for OK";
  PressOk(box);
  EXPECT_TRUE(run.WaitForExit(kExitTimeoutMs));
  EXPECT_EQ(run.ExitCode(), static_cast<DWORD>(kExitStartupFailed));
}

HWND MainWindowOf(const KaptorixProcess& run) {
  return WaitForWindow(run.id(), std::string(kMainWindowCaption), kWindowTimeoutMs,
                       win::Utf8ToWide(kMainWindowClass).c_str());
}

void CloseAndExpectExit(const KaptorixProcess& run, HWND mainWindow) {
  ASSERT_TRUE(::PostMessageW(mainWindow, WM_CLOSE, 0, 0));
  EXPECT_TRUE(run.WaitForExit(kExitTimeoutMs));
  EXPECT_EQ(run.ExitCode(), 0U);
}

TEST(StartupE2E, WrongLauncherWordShowsItsBoxAndEnds) {
  KaptorixFolder folder;
  folder.WriteIni("");
  for (const char* arguments : {"", "kaptorix", "Kaptori", "Kaptorix_TEST_no"}) {
    SCOPED_TRACE(arguments);
    KaptorixProcess run(folder, arguments);
    if (std::string(arguments).rfind("Kaptorix", 0) == 0) {
      // A line that begins with the launcher word passes the check.
      const HWND main = MainWindowOf(run);
      ASSERT_NE(main, nullptr);
      CloseAndExpectExit(run, main);
    } else {
      ExpectStartupBoxThenExit(run, "Kaptorix.exeを起動して下さい");
    }
  }
}

TEST(StartupE2E, MissingSettingsFileIsReportedForEveryCourse) {
  KaptorixFolder folder;
  for (const char* arguments : {"Kaptorix", "Kaptorix /KIND=2", "Kaptorix_Dash"}) {
    SCOPED_TRACE(arguments);
    KaptorixProcess run(folder, arguments);
    ExpectStartupBoxThenExit(run, "Kaptorix.iniがありません");
  }
}

TEST(StartupE2E, SettingsFolderInPlaceOfTheFileCountsAsMissing) {
  KaptorixFolder folder;
  std::filesystem::create_directory(folder / L"Kaptorix.ini");
  KaptorixProcess run(folder, "Kaptorix");
  ExpectStartupBoxThenExit(run, "Kaptorix.iniがありません");
}

TEST(StartupE2E, UnreadableSettingsFileIsAStartupError) {
  KaptorixFolder folder;
  folder.WriteIni("[SVNO]3\r\n");
  // Held open without sharing, the file exists but cannot be read.
  const win::FileHandle lock(::CreateFileW((folder / L"Kaptorix.ini").c_str(), GENERIC_READ, 0,
                                           nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock);
  KaptorixProcess run(folder, "Kaptorix");
  ExpectStartupBoxThenExit(run, "Kaptorix.iniを読み込めません");
}

// 64 MiB of line breaks: refused with the box, not read into memory.
TEST(StartupE2E, HugeSettingsFileGivesTheUnreadableBox) {
  KaptorixFolder folder;
  {
    std::ofstream out(folder / L"Kaptorix.ini", std::ios::binary);
    std::string lineBreaks(std::size_t{1} << 20, '\n');
    for (std::size_t i = 0; i < lineBreaks.size(); i += 2) lineBreaks[i] = '\r';
    for (int mebibyte = 0; mebibyte < 64; ++mebibyte) {
      out.write(lineBreaks.data(), static_cast<std::streamsize>(lineBreaks.size()));
    }
    ASSERT_TRUE(out);
  }
  KaptorixProcess run(folder, "Kaptorix");
  if (!WaitForWindow(run.id(), kStartupErrorTitle)) {
    // Ended properly all the same, so that its hot keys do not stay behind.
    if (const HWND main = MainWindowOf(run)) CloseAndExpectExit(run, main);
    FAIL() << "no start-up error box";
  }
  ExpectStartupBoxThenExit(run, "Kaptorix.iniを読み込めません");
}

TEST(StartupE2E, TestMarkerShowsTheMainWindow) {
  KaptorixFolder folder;
  folder.WriteIni("");
  KaptorixProcess run(folder, "Kaptorix_TEST");
  const HWND main = MainWindowOf(run);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(::IsWindowVisible(main));
  RECT rect{};
  ::GetWindowRect(main, &rect);
  EXPECT_GT(rect.right, 0);
  EXPECT_GT(rect.bottom, 0);
  CloseAndExpectExit(run, main);
}

TEST(StartupE2E, WithoutTheMarkerNothingIsVisible) {
  KaptorixFolder folder;
  folder.WriteIni("[KEY ]not a number\r\n[PAR ]99999\r\n");
  KaptorixProcess run(folder, "Kaptorix");
  const HWND main = MainWindowOf(run);
  ASSERT_NE(main, nullptr);
  ::Sleep(300);
  for (HWND window : TopLevelWindows(run.id())) {
    EXPECT_FALSE(::IsWindowVisible(window)) << WindowText(window);
  }
  RECT rect{};
  ::GetWindowRect(main, &rect);
  EXPECT_LT(rect.right, 0) << "placed off screen";
  EXPECT_LT(rect.bottom, 0);
  CloseAndExpectExit(run, main);
}

// Runs under code page 1252 (a non-Japanese system): the boxes still read in
// Japanese.
TEST(StartupE2E, BoxesAreJapaneseOnAWesternCodePage) {
  const char* expected = std::getenv("KX_EXPECT_ACP");
  if (!expected) GTEST_SKIP() << "run by the code-page 1252 test only";
  ASSERT_EQ(::GetACP(), static_cast<UINT>(std::atoi(expected)));
  KaptorixFolder folder;
  KaptorixProcess run(folder, "Kaptorix");
  ExpectStartupBoxThenExit(run, "Kaptorix.iniがありません");
}

}  // namespace
}  // namespace kx::e2e
