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

// WM_HOTKEY's wParam for an atom: its 16 bits as a signed number, widened.
WPARAM HotKeyWParam(ATOM atom) {
  return static_cast<WPARAM>(static_cast<INT_PTR>(static_cast<SHORT>(atom)));
}

class ResidentE2E : public ::testing::Test {
 protected:
  ResidentE2E() { std::filesystem::create_directory(shots()); }

  std::filesystem::path shots() const { return folder_ / L"shots"; }

  // Starts the resident program; what it showed at start goes to `startup`.
  std::unique_ptr<KaptorixProcess> Start(const std::string& moreSettings,
                                         const KaptorixFolder& folder,
                                         const std::string& arguments = "Kaptorix") {
    folder.WriteIni("[FILE]" + folder.Utf8Path(L"shots") + "\r\n" + moreSettings);
    auto run = std::make_unique<KaptorixProcess>(folder, arguments);
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

// Ctrl+Shift+key, then a drag, Esc, R (recalls the drag), a click on the window.
TEST_F(ResidentE2E, RegionKeysTakeWhatIsChosenOnTheOverlay) {
  const auto run = Start("[HANI]1\r\n");
  EXPECT_TRUE(startup.empty()) << "all six keys register";
  const TestWindow window(150, 100, 320, 240, 0x00FF00, 0xFF00FF);
  const std::wstring noticeClass = win::Utf8ToWide(kResultNoticeClass);
  const std::pair<RECT, std::vector<WORD>> choices[] = {{{200, 150, 349, 249}, {VK_RETURN}},
                                                        {{}, {VK_ESCAPE}},
                                                        {{}, {'R', VK_RETURN}},
                                                        {{300, 200, 300, 200}, {}}};
  for (const auto& [drag, keys] : choices) {
    PressKey({VK_CONTROL, VK_SHIFT}, VK_SNAPSHOT);
    EXPECT_NE(WaitForClass(run->id(), win::Utf8ToWide(kRegionOverlayClass).c_str(), 5000), nullptr);
    ::Sleep(300);
    if (drag.left != 0) DragMouse({drag.left, drag.top}, {drag.right, drag.bottom});
    for (const WORD key : keys) PressKey({}, key);
    Watch(*run, kKeyActionMs);  // a press while the notice shows is lost
    for (int i = 0; i < 20 && WaitForClass(run->id(), noticeClass.c_str(), 0); ++i)
      Watch(*run, 500);
  }
  EXPECT_EQ(CountFiles(shots(), L".BMP"), 3U) << "Esc saved nothing";
  for (const wchar_t* name : {L"KX001.BMP", L"KX002.BMP"}) {  // the drag, the recall
    const auto saved = ReadBmpFile(shots() / name);
    ASSERT_TRUE(saved && saved->width == 150 && saved->height == 100) << name;
    for (std::size_t i = 0; i < 150 * 100; ++i) {  // stripe: x < 310, y >= 160
      ASSERT_EQ(saved->pixels[i], i % 150 < 110 && i / 150 >= 10 ? 0xFF00FFU : 0x00FF00U) << i;
    }
  }
  const auto clicked = ReadBmpFile(shots() / L"KX003.BMP");
  EXPECT_TRUE(clicked && clicked->width == 320 && clicked->height == 240);
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
  EXPECT_THAT(
      startup,
      ElementsAre(RegistrationBox({"Print", "Print+Shift", "Print+Alt", "Print+Shift+Alt"})));
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

// Wine shows each notification icon as a window of its own system tray.
HWND TrayIconWindow() {
  const HWND tray = ::FindWindowW(L"__winex11_standalone_tray", nullptr);
  return tray ? ::FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr) : nullptr;
}

TEST_F(ResidentE2E, TrayIconMenuCapturesAndOnlyRealClicksAct) {
  const auto run = Start("[ICON]1\r\n");
  EXPECT_TRUE(startup.empty());
  const HWND icon = TrayIconWindow();
  ASSERT_NE(icon, nullptr) << "the icon is shown";
  RECT at{};
  ::GetWindowRect(icon, &at);
  const int x = (at.left + at.right) / 2, y = (at.top + at.bottom) / 2;

  ::Sleep(2 * ::GetDoubleClickTime());
  EXPECT_TRUE(::PostMessageW(mainWindow_, WM_APP + 1, 1, WM_LBUTTONDBLCLK));
  EXPECT_TRUE(::PostMessageW(mainWindow_, WM_COMMAND, 1, 0));  // the first item's number
  EXPECT_TRUE(Watch(*run, kKeyActionMs).shown.empty()) << "a posted double-click is no click";

  ClickAt(x, y, 1, true);
  ASSERT_NE(WaitForClass(run->id(), L"#32768", 5000), nullptr) << "the menu opens";
  PressKey({}, VK_DOWN);
  PressKey({}, VK_RETURN);
  EXPECT_THAT(Watch(*run, kKeyActionMs).shown, ElementsAre(kSaved)) << "画面を保存";
  const auto saved = ReadBmpFile(shots() / L"KX001.BMP");
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->width, ::GetSystemMetrics(SM_CXSCREEN));

  ClickAt(x, y, 2);
  EXPECT_THAT(Watch(*run, kKeyActionMs).shown, ElementsAre(kSaved)) << "a double-click saves";
  EXPECT_EQ(CountFiles(shots(), L".BMP"), 2U);
  Close(*run);
  EXPECT_FALSE(::IsWindow(icon)) << "the icon goes with the program";
}

// A copy ended by force never deletes its atoms, and the session keeps them.
TEST_F(ResidentE2E, CopyEndedByForceLeavesItsKeysToTheNextCopy) {
  {
    const auto killed = Start();
    ASSERT_TRUE(startup.empty());
    killed->Kill();
    ASSERT_TRUE(AnyKaptorixAtom()) << "the killed copy's atoms outlive it";
  }
  const auto run = Start("[BSAV]1\r\n");
  EXPECT_TRUE(startup.empty()) << "all four keys register again";
  const TestWindow window(150, 100, 320, 240, 0x00FF00, 0xFF00FF);
  const std::initializer_list<WORD> combinations[] = {
      {}, {VK_SHIFT}, {VK_MENU}, {VK_SHIFT, VK_MENU}};
  for (const auto& modifiers : combinations) {
    EXPECT_THAT(Press(*run, modifiers, VK_SNAPSHOT).shown, ElementsAre(kSaved));
  }
  EXPECT_EQ(CountFiles(shots(), L".BMP"), 4U);
  Close(*run);
  EXPECT_FALSE(AnyKaptorixAtom()) << "the atoms taken over are deleted at the end";
}

// Any process can post WM_HOTKEY to the main window.
TEST_F(ResidentE2E, OnlyItsOwnHotKeysCaptureWithTheirRegisteredCombination) {
  const auto run = Start();
  const ATOM foreign = ::GlobalAddAtomW(L"Elsewhere");
  const LPARAM shiftPrint = MAKELPARAM(MOD_SHIFT, VK_SNAPSHOT);
  EXPECT_TRUE(::PostMessageW(mainWindow_, WM_HOTKEY, HotKeyWParam(foreign), shiftPrint));
  EXPECT_TRUE(::PostMessageW(mainWindow_, WM_HOTKEY, 1, shiftPrint));  // the integer atom #1
  EXPECT_TRUE(Watch(*run, kKeyActionMs).shown.empty());
  EXPECT_EQ(CountFiles(shots(), L".BMP"), 0U);
  ::GlobalDeleteAtom(foreign);

  // Print+Shift's own identifier still counts as its press, whatever lParam claims.
  const ATOM printShift = ::GlobalFindAtomW(L"Kaptorix_22");
  ASSERT_NE(printShift, 0);
  EXPECT_TRUE(::PostMessageW(mainWindow_, WM_HOTKEY, HotKeyWParam(printShift), MAKELPARAM(0, 'A')));
  EXPECT_THAT(Watch(*run, kKeyActionMs).shown, ElementsAre(kSaved));
  EXPECT_TRUE(ReadBmpFile(shots() / L"KX001.BMP"));
  Close(*run);
}

// What any process can do to the main window: send it a creation message
// and overwrite the property that names its hook object.
TEST_F(ResidentE2E, ForgedCreationMessageAndPropertyChangeNothing) {
  const auto run = Start();
  CREATESTRUCTW create{};
  create.lpszName = L"forged";
  for (const std::intptr_t parameter : {std::intptr_t{0}, std::intptr_t{0x1234}}) {
    create.lpCreateParams = reinterpret_cast<void*>(parameter);
    DWORD_PTR result = 0;
    EXPECT_TRUE(::SendMessageTimeoutW(mainWindow_, WM_NCCREATE, 0,
                                      reinterpret_cast<LPARAM>(&create), SMTO_ABORTIFHUNG, 5000,
                                      &result));
  }
  const std::wstring property = std::to_wstring(reinterpret_cast<std::intptr_t>(mainWindow_));
  ASSERT_TRUE(::SetPropW(mainWindow_, property.c_str(), reinterpret_cast<HANDLE>(0x1234)));

  EXPECT_THAT(Press(*run, {VK_SHIFT}, VK_SNAPSHOT).shown, ElementsAre(kSaved));
  EXPECT_EQ(WindowText(mainWindow_), std::string(kMainWindowCaption));
  Close(*run);
  EXPECT_FALSE(AnyKaptorixAtom());
}

// Any process can write the slots, rename, post WM_ENDSESSION or a timer naming a callback.
TEST_F(ResidentE2E, ForeignSlotsCaptionAndPostedMessagesChangeNothing) {
  const auto run = Start();
  ::SetWindowLongPtrW(mainWindow_, GWLP_USERDATA, 0x1234);
  ::PostMessageW(mainWindow_, WM_ENDSESSION, TRUE, 0);
  ::PostMessageW(mainWindow_, WM_TIMER, 1, 0x1234);
  ::SetWindowTextW(mainWindow_, L"renamed");
  EXPECT_EQ(WindowText(mainWindow_), std::string(kMainWindowCaption));
  PressKey({VK_SHIFT}, VK_SNAPSHOT);
  const HWND notice = WaitForClass(run->id(), win::Utf8ToWide(kResultNoticeClass).c_str(), 3000);
  ASSERT_NE(notice, nullptr);
  ::SetWindowLongPtrW(notice, GWLP_USERDATA, 0x1234);
  ::InvalidateRect(notice, nullptr, TRUE);
  EXPECT_TRUE(WaitForWindowGone(notice, 5000));
  EXPECT_TRUE(ReadBmpFile(shots() / L"KX001.BMP"));

  ::SetWindowLongPtrW(mainWindow_, GWLP_USERDATA, 0);
  ChildProcess stop(TestProgramDir() / L"Kaptorix.exe", "stop", folder_.dir());
  EXPECT_TRUE(stop.WaitForExit(15000) && run->WaitForExit(5000) && stop.ExitCode() == 0);
}

// The launcher's stop while an action's error box is open: the box is
// answered first, then the program ends and releases its keys.
TEST_F(ResidentE2E, StopDuringAnErrorBoxEndsTheProgramOnceTheBoxIsAnswered) {
  const auto run = Start("[SVNO]10\r\n");  // too many digits: an error box
  PressKey({VK_SHIFT}, VK_SNAPSHOT);
  const HWND box = WaitForWindow(run->id(), std::string(kErrorTitle), 5000, L"#32770");
  ASSERT_NE(box, nullptr);

  DWORD_PTR answer = FALSE;
  EXPECT_TRUE(::SendMessageTimeoutW(mainWindow_, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000,
                                    &answer));
  EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE)) << "the end of the session is not vetoed";

  ChildProcess stop(TestProgramDir() / L"Kaptorix.exe", "stop", folder_.dir());
  ::Sleep(4000);  // time for the launcher to start and ask for the close
  EXPECT_TRUE(run->Running()) << "the open box is answered first";
  PressOk(box);
  EXPECT_TRUE(run->WaitForExit(10000));
  EXPECT_EQ(run->ExitCode(), 0U);
  EXPECT_TRUE(stop.WaitForExit(15000));
  EXPECT_EQ(stop.ExitCode(), 0U) << "stop reports success";
  EXPECT_FALSE(AnyKaptorixAtom());
}

// A visible main window (Kaptorix_TEST) that needs painting while a notice is
// open: its paint request is answered, so the notice's timer still comes.
TEST_F(ResidentE2E, NoticeClosesWhileTheVisibleMainWindowNeedsPainting) {
  const auto run = Start("", folder_, "Kaptorix Kaptorix_TEST");
  PressKey({VK_SHIFT}, VK_SNAPSHOT);
  const HWND notice = WaitForClass(run->id(), win::Utf8ToWide(kResultNoticeClass).c_str(), 3000);
  ASSERT_NE(notice, nullptr);
  ::InvalidateRect(mainWindow_, nullptr, TRUE);
  EXPECT_TRUE(WaitForWindowGone(notice, 5000));
  EXPECT_TRUE(ReadBmpFile(shots() / L"KX001.BMP"));
  Close(*run);
}

// The program's folder must be writable; a DLL there that bears the name of
// a system DLL which is no KnownDLL is never loaded.
TEST_F(ResidentE2E, DllsPlantedBesideTheProgramAreNotLoaded) {
  for (const wchar_t* name : {L"dwmapi.dll", L"winspool.drv"}) {
    std::filesystem::copy_file(TestProgramDir() / L"planted.dll", folder_ / name);
  }
  const auto run = Start();
  ASSERT_TRUE(startup.empty());
  const TestWindow window(150, 100, 320, 240, 0x00FF00, 0xFF00FF);
  EXPECT_EQ(Press(*run, {VK_MENU}, VK_SNAPSHOT).shown.size(), 1U);  // printed, or not
  EXPECT_THAT(Press(*run, {VK_SHIFT, VK_MENU}, VK_SNAPSHOT).shown, ElementsAre(kSaved));
  const auto saved = ReadBmpFile(shots() / L"KX001.BMP");
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->width, 320);
  Close(*run);
  EXPECT_FALSE(std::filesystem::exists(folder_ / L"planted-dll-loaded"));
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
