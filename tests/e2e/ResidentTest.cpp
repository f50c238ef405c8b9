// The resident mode of the real program: hot keys pressed as real keyboard
// input, the registration report, and the release when it is closed.

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <iostream>
#include <set>

#include "base/ProductNames.h"
#include "base/win32/Strconv.h"
#include "e2e/harness/BmpFile.h"
#include "e2e/harness/KaptorixRun.h"
#include "e2e/harness/KeyInput.h"
#include "e2e/harness/RunObserver.h"
#include "e2e/harness/TestWindow.h"
#include "e2e/harness/WindowProbe.h"
#include "support/WindowsPath.h"

namespace kx::e2e {
namespace {

using ::testing::ElementsAre;

const std::string kSaved = "notice 保存成功";
const std::string kPrinted = "notice 印刷成功";
const std::string kRegistrationTitle = "キー登録エラー";
constexpr DWORD kKeyActionMs = 2500;
const wchar_t* const kAtomNames[] = {L"Kaptorix_11", L"Kaptorix_22", L"Kaptorix_33",
                                     L"Kaptorix_44"};

std::string RegistrationBox(const std::vector<std::string>& lines) {
  std::string text = "box キー登録エラー: 以下のキーを登録できませんでした\r\n";
  for (const std::string& line : lines) text += "　登録エラー [" + line + "]\r\n";
  return text + "\r\n設定画面を開いて、キーを変更して下さい";
}

size_t CountFiles(const std::filesystem::path& folder, const std::wstring& extension) {
  size_t count = 0;
  if (!std::filesystem::is_directory(folder)) return 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == extension) ++count;
  }
  return count;
}

bool AnyKaptorixAtom() {
  for (const wchar_t* name : kAtomNames) {
    if (::GlobalFindAtomW(name) != 0) return true;
  }
  return false;
}

class ResidentE2E : public ::testing::Test {
 protected:
  ResidentE2E() { std::filesystem::create_directory(shots()); }

  std::filesystem::path shots() const { return folder_ / L"shots"; }

  // Starts the resident program; what it showed at start goes to `startup`.
  std::unique_ptr<KaptorixProcess> Start(const std::string& moreSettings,
                                         const KaptorixFolder& folder) {
    folder.WriteIni("[FILE]" + folder.Utf8Path(L"shots") + "\r\n" + moreSettings);
    auto run = std::make_unique<KaptorixProcess>(folder, "Kaptorix");
    mainWindow_ = WaitForWindow(run->id(), std::string(kMainWindowCaption), kWindowTimeoutMs,
                                win::Utf8ToWide(kMainWindowClass).c_str());
    EXPECT_NE(mainWindow_, nullptr);
    startup = Watch(*run, 1500).shown;
    return run;
  }
  std::unique_ptr<KaptorixProcess> Start(const std::string& moreSettings = "") {
    return Start(moreSettings, folder_);
  }

  RunRecord Press(const KaptorixProcess& run, std::initializer_list<WORD> modifiers, WORD key) {
    PressKey(modifiers, key);
    return Watch(run, kKeyActionMs);
  }

  static void Close(const KaptorixProcess& run, HWND mainWindow) {
    ASSERT_TRUE(::PostMessageW(mainWindow, WM_CLOSE, 0, 0));
    EXPECT_TRUE(run.WaitForExit(10000));
    EXPECT_EQ(run.ExitCode(), 0U);
  }
  void Close(const KaptorixProcess& run) { Close(run, mainWindow_); }

  KaptorixFolder folder_;
  HWND mainWindow_ = nullptr;
  std::vector<std::string> startup;
};

TEST_F(ResidentE2E, ShiftPrintScreenSavesTheScreen) {
  const auto run = Start();
  EXPECT_TRUE(startup.empty()) << "all four keys register";
  EXPECT_THAT(Press(*run, {VK_SHIFT}, VK_SNAPSHOT).shown, ElementsAre(kSaved));
  const auto saved = ReadBmpFile(shots() / L"KX001.BMP");
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->width, ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_THAT(Press(*run, {VK_SHIFT}, VK_SNAPSHOT).shown, ElementsAre(kSaved));
  EXPECT_TRUE(ReadBmpFile(shots() / L"KX002.BMP")) << "every press saves again";
  Close(*run);
}

TEST_F(ResidentE2E, PrintScreenAlonePrintsOrSavesWhenAlwaysSaving) {
  const std::string pdfDir = test::WindowsPathFromEnvironment("KX_PDF_DIR");
  if (pdfDir.empty()) GTEST_SKIP() << "needs the session's PDF printer";
  const std::filesystem::path pdfs = win::Utf8ToWide(pdfDir);
  const size_t before = CountFiles(pdfs, L".pdf");
  {
    const auto run = Start();
    EXPECT_THAT(Press(*run, {}, VK_SNAPSHOT).shown, ElementsAre(kPrinted));
    EXPECT_EQ(CountFiles(shots(), L".BMP"), 0U);
    Close(*run);
  }
  const DWORD start = ::GetTickCount();
  while (CountFiles(pdfs, L".pdf") == before && ::GetTickCount() - start < 30000) ::Sleep(100);
  EXPECT_EQ(CountFiles(pdfs, L".pdf"), before + 1) << "one printed page";

  const auto run = Start("[BSAV]1\r\n");
  EXPECT_THAT(Press(*run, {}, VK_SNAPSHOT).shown, ElementsAre(kSaved));
  EXPECT_TRUE(ReadBmpFile(shots() / L"KX001.BMP"));
  Close(*run);
}

TEST_F(ResidentE2E, AltCapturesTheForegroundWindow) {
  const auto run = Start("[BSAV]1\r\n");
  const TestWindow window(150, 100, 320, 240, 0x00FF00, 0xFF00FF);
  EXPECT_THAT(Press(*run, {VK_MENU}, VK_SNAPSHOT).shown, ElementsAre(kSaved));
  EXPECT_THAT(Press(*run, {VK_SHIFT, VK_MENU}, VK_SNAPSHOT).shown, ElementsAre(kSaved));
  for (const wchar_t* name : {L"KX001.BMP", L"KX002.BMP"}) {
    const auto saved = ReadBmpFile(shots() / name);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->width, 320);
    EXPECT_EQ(saved->height, 240);
    EXPECT_EQ(saved->Pixel(300, 10), 0x00FF00U);
    EXPECT_EQ(saved->Pixel(20, 120), 0xFF00FFU);
  }
  Close(*run);
}

TEST_F(ResidentE2E, KeyPressedWhileTheNoticeIsOpenIsLost) {
  const auto run = Start();
  PressKey({VK_SHIFT}, VK_SNAPSHOT);
  const HWND notice = WaitForClass(run->id(), win::Utf8ToWide(kResultNoticeClass).c_str(), 3000);
  ASSERT_NE(notice, nullptr);
  PressKey({VK_SHIFT}, VK_SNAPSHOT);
  Watch(*run, kKeyActionMs);
  EXPECT_EQ(CountFiles(shots(), L".BMP"), 1U);
  Close(*run);
}

TEST_F(ResidentE2E, ConfiguredKeyReplacesPrintScreen) {
  const auto run = Start("[KEY ]120\r\n");  // F9
  EXPECT_TRUE(startup.empty());
  EXPECT_TRUE(Press(*run, {VK_SHIFT}, VK_SNAPSHOT).shown.empty());
  EXPECT_THAT(Press(*run, {VK_SHIFT}, VK_F9).shown, ElementsAre(kSaved));
  EXPECT_EQ(CountFiles(shots(), L".BMP"), 1U);
  Close(*run);
}

TEST_F(ResidentE2E, SecondCopyReportsAllFourKeysAndStaysResident) {
  const auto first = Start();
  const HWND firstWindow = mainWindow_;
  KaptorixFolder secondFolder;
  std::filesystem::create_directory(secondFolder / L"shots");
  const auto second = Start("", secondFolder);
  EXPECT_THAT(startup, ElementsAre(RegistrationBox(
                           {"Print", "Print+Shift", "Print+Alt", "Print+Shift+Alt"})));
  EXPECT_TRUE(second->Running());

  EXPECT_THAT(Press(*first, {VK_SHIFT}, VK_SNAPSHOT).shown, ElementsAre(kSaved));
  EXPECT_EQ(CountFiles(shots(), L".BMP"), 1U) << "the first copy keeps its keys";
  Close(*second);
  EXPECT_TRUE(AnyKaptorixAtom()) << "the second copy leaves the first's atoms alone";
  Close(*first, firstWindow);
  EXPECT_FALSE(AnyKaptorixAtom());
}

TEST_F(ResidentE2E, CombinationHeldElsewhereFailsAlone) {
  const TestWindow holder(0, 0, 50, 50, 0, 0);
  ASSERT_TRUE(::RegisterHotKey(holder.hwnd(), 1, MOD_ALT, VK_SNAPSHOT));
  const auto run = Start();
  EXPECT_THAT(startup, ElementsAre(RegistrationBox({"Print+Alt"})));
  EXPECT_THAT(Press(*run, {VK_SHIFT}, VK_SNAPSHOT).shown, ElementsAre(kSaved));
  Close(*run);
  ::UnregisterHotKey(holder.hwnd(), 1);
}

TEST_F(ResidentE2E, ClosingReleasesEveryKeyAndAtom) {
  {
    const auto run = Start();
    EXPECT_TRUE(AnyKaptorixAtom());
    Close(*run);
  }
  EXPECT_FALSE(AnyKaptorixAtom());
  const auto again = Start();
  EXPECT_TRUE(startup.empty()) << "a new copy registers all four keys";
  EXPECT_THAT(Press(*again, {VK_SHIFT}, VK_SNAPSHOT).shown, ElementsAre(kSaved));
  Close(*again);
}

TEST_F(ResidentE2E, EndOfSessionReleasesEveryKeyAndAtom) {
  const auto run = Start();
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(mainWindow_, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &result);
  EXPECT_FALSE(AnyKaptorixAtom());
  Close(*run);
}

TEST_F(ResidentE2E, UsesNoProcessorTimeWhileIdle) {
  const auto run = Start();
  HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, run->id());
  ASSERT_NE(process, nullptr);
  const auto cpuMs = [process] {
    FILETIME created, exited, kernel, user;
    ::GetProcessTimes(process, &created, &exited, &kernel, &user);
    const auto ticks = [](FILETIME t) {
      return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return (ticks(kernel) + ticks(user)) / 10000;
  };
  const auto before = cpuMs();
  ::Sleep(30000);
  const auto idle = cpuMs() - before;
  ::CloseHandle(process);
  std::cout << "resident CPU time over 30 idle seconds: " << idle << " ms\n";
  RecordProperty("idle_cpu_ms", static_cast<int>(idle));
  EXPECT_LT(idle, 300U);
  Close(*run);
}

}  // namespace
}  // namespace kx::e2e
