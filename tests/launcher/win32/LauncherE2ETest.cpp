// The real Kaptorix.exe with the real Kaptorix_Key.exe beside it: the first
// run, starting and stopping the resident program, the one-shot runs, single
// settings from the command line, and the settings dialog.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "LauncherRun.h"
#include "base/ExitCodes.h"
#include "base/ProductNames.h"
#include "base/win32/Strconv.h"
#include "e2e/harness/WindowProbe.h"
#include "launcher/DialogLayout.h"
#include "settings/SettingsWriter.h"

namespace kx::e2e {
namespace {

constexpr DWORD kExitTimeoutMs = 15000;
constexpr DWORD kSendTimeoutMs = 2000;
const char* const kAtoms[] = {"Kaptorix_11", "Kaptorix_22", "Kaptorix_33", "Kaptorix_44"};

std::string Ansi(const std::string& utf8) { return win::Utf8ToAnsi(utf8); }

DWORD Code(int exitCode) { return static_cast<DWORD>(exitCode); }

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  return processId;
}

class LauncherE2E : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(KeyWindows().empty()) << "a Kaptorix_Key.exe was left running";
    KillKeyPrograms();
  }

  // The one resident copy, waiting for it briefly.
  HWND ResidentWindow() const {
    for (int i = 0; i < 100; ++i) {
      const std::vector<HWND> windows = KeyWindows();
      if (windows.size() == 1) return windows.front();
      ::Sleep(50);
    }
    return nullptr;
  }

  void ExpectNoAtoms() const {
    for (const char* atom : kAtoms) EXPECT_FALSE(AtomExists(atom)) << atom;
  }

  LauncherFolder folder;
};

TEST_F(LauncherE2E, FirstStartWritesTheDefaultsAndStopEndsTheProgramProperly) {
  ASSERT_FALSE(folder.HasIni());
  const LauncherResult start = RunLauncher(folder, "start");
  EXPECT_EQ(start.exitCode, 0U) << start.errors;
  EXPECT_EQ(start.output, Ansi("Kaptorix_Key を起動しました\r\n"));
  EXPECT_EQ(folder.IniBytes(), Ansi(WriteSettings("", DefaultCaptureSettings(folder.Utf8Path()))));

  const HWND resident = ResidentWindow();
  ASSERT_NE(resident, nullptr);
  EXPECT_FALSE(::IsWindowVisible(resident));
  for (const char* atom : kAtoms) EXPECT_TRUE(AtomExists(atom)) << atom << " while resident";
  const win::KernelHandle process(
      ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, ProcessOf(resident)));
  ASSERT_TRUE(process);

  const LauncherResult stop = RunLauncher(folder, "stop");
  EXPECT_EQ(stop.exitCode, 0U) << stop.errors;
  EXPECT_EQ(stop.output, Ansi("Kaptorix_Key を終了しました\r\n"));
  EXPECT_EQ(::WaitForSingleObject(process.get(), 0), WAIT_OBJECT_0) << "stop returned too early";
  DWORD exitCode = STILL_ACTIVE;
  ::GetExitCodeProcess(process.get(), &exitCode);
  EXPECT_EQ(exitCode, 0U) << "ended by its close request, not killed";
  EXPECT_TRUE(KeyWindows().empty());
  ExpectNoAtoms();

  const LauncherResult again = RunLauncher(folder, "stop");
  EXPECT_EQ(again.exitCode, 0U);
  EXPECT_EQ(again.errors, "");
  EXPECT_EQ(again.output, Ansi("Kaptorix_Key は常駐していません\r\n"));
}

TEST_F(LauncherE2E, StartRestartsARunningCopyAndTestShowsItsWindow) {
  ASSERT_EQ(RunLauncher(folder, "start").exitCode, 0U);
  const HWND first = ResidentWindow();
  ASSERT_NE(first, nullptr);
  const DWORD firstProcess = ProcessOf(first);

  const LauncherResult restart = RunLauncher(folder, "start /TEST");
  ASSERT_EQ(restart.exitCode, 0U);
  EXPECT_EQ(restart.output, Ansi("Kaptorix_Key を再起動しました\r\n"));
  const HWND second = ResidentWindow();
  ASSERT_NE(second, nullptr);
  EXPECT_NE(ProcessOf(second), firstProcess);
  EXPECT_TRUE(::IsWindowVisible(second));

  // A setting changed meanwhile waits for a restart, or restarts it.
  const LauncherResult set = RunLauncher(folder, "set percent=90");
  EXPECT_EQ(set.exitCode, 0U) << set.errors;
  EXPECT_NE(set.output.find(Ansi("Kaptorix.exe start で再起動すると有効になります")),
            std::string::npos)
      << set.output;
  EXPECT_EQ(ResidentWindow(), second);
  const LauncherResult restarting = RunLauncher(folder, "set --restart percent=80");
  EXPECT_EQ(restarting.exitCode, 0U) << restarting.errors;
  EXPECT_EQ(restarting.output, Ansi("Kaptorix_Key を再起動しました\r\n"));
  const HWND third = ResidentWindow();
  ASSERT_NE(third, nullptr);
  EXPECT_NE(ProcessOf(third), ProcessOf(second));
  EXPECT_EQ(RunLauncher(folder, "stop").exitCode, 0U);
}

// A waiting one-shot run's window looks like the resident's and is left alone.
TEST_F(LauncherE2E, StartWhileACaptureWaitsStartsTheResident) {
  const LauncherProcess capture(folder, "capture /KIND=2 /TIME=15");
  ASSERT_NE(ResidentWindow(), nullptr) << "the waiting run's window";
  const LauncherResult start = RunLauncher(folder, "start");
  EXPECT_EQ(start.output, Ansi("Kaptorix_Key を起動しました\r\n")) << start.errors;
  EXPECT_TRUE(capture.WaitForExit(30000));
  EXPECT_TRUE(std::filesystem::exists(folder / L"KX001.BMP"));
  ASSERT_NE(ResidentWindow(), nullptr);
  EXPECT_EQ(RunLauncher(folder, "stop").exitCode, 0U);
}

TEST_F(LauncherE2E, MissingCaptureProgramIsReported) {
  std::filesystem::remove(folder.exe());
  const LauncherResult start = RunLauncher(folder, "start");
  EXPECT_EQ(start.exitCode, 2U);
  EXPECT_EQ(start.errors, Ansi("エラー: Kaptorix_Key.exeがありません\r\n"
                               "Kaptorix.exeと同じフォルダに置いて下さい\r\n"));
}

TEST_F(LauncherE2E, OneShotCommandsProduceTheirFilesAndPrintTheirPaths) {
  const LauncherResult store = RunLauncher(folder, "store");
  EXPECT_EQ(store.exitCode, 0U) << store.errors;
  EXPECT_TRUE(std::filesystem::exists(folder / L"Dammy.bmp"));
  EXPECT_EQ(store.output, Ansi(folder.Utf8Path(L"Dammy.bmp") + "\r\n"));

  const LauncherResult capture = RunLauncher(folder, "capture /KIND=2");
  EXPECT_EQ(capture.exitCode, 0U) << capture.errors;
  EXPECT_TRUE(std::filesystem::exists(folder / L"KX001.BMP"));
  EXPECT_EQ(capture.output, Ansi(folder.Utf8Path(L"KX001.BMP") + "\r\n"));
  EXPECT_EQ(capture.errors, "");
  EXPECT_TRUE(KeyWindows().empty());
}

// The exit codes of Kaptorix_Key.exe come through, each failure with one line.
TEST_F(LauncherE2E, CapturePassesOnTheRunsExitCodeAndItsLine) {
  struct Case {
    const char* name;
    std::string settings;
    const char* arguments;
    int exitCode;
    std::string errors;
  };
  const Case cases[] = {
      {"folder missing", "[FILE]" + folder.Utf8Path(L"gone") + "\r\n", "capture /KIND=2",
       kExitFolderMissing,
       "エラー: 保存先フォルダがありません: " + folder.Utf8Path(L"gone") + "\r\n"},
      {"printer not installed", "", "capture /KIND=1 \"/PRNT=Kaptorix No Such Printer\"",
       kExitPrintFailed, "エラー: プリンタが見つかりません: Kaptorix No Such Printer\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    folder.WriteIni(c.settings);
    const LauncherResult run = RunLauncher(folder, c.arguments);
    EXPECT_EQ(run.exitCode, Code(c.exitCode));
    EXPECT_EQ(run.errors, Ansi(c.errors));
    EXPECT_EQ(run.output, "");
  }
}

// A run that waits for an answer in a message box is left to it: Kaptorix.exe
// ends after the bound with its own code and says why, and a script reading
// its output through a pipe is not held by the run still going on.
TEST_F(LauncherE2E, CaptureStuckOnABoxReturnsWithinTheBound) {
  folder.WriteIni("[SVNO]1\r\n");
  for (int i = 1; i <= 9; ++i) test::WriteAll(folder / (L"KX" + std::to_wstring(i) + L".BMP"), "x");

  const PipedResult run = RunLauncherPiped(folder, "capture /KIND=2");
  EXPECT_EQ(run.exitCode, Code(kExitStillWaiting));
  EXPECT_GE(run.milliseconds, 30000U);
  EXPECT_LT(run.milliseconds, 40000U);
  EXPECT_TRUE(run.pipeClosed) << "the run kept the script's pipe open";
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.errors, Ansi("エラー: 空いている連番がありません: " + folder.Utf8Path() +
                             "\r\nエラー: Kaptorix_Key.exeが画面のメッセージへの応答を待っています"
                             "（30秒待ちました）。応答すると取り込みを終えます\r\n"));

  // The box is still there for the user; its OK ends the run.
  const std::vector<HWND> running = KeyWindows();
  ASSERT_EQ(running.size(), 1U);
  const HWND box = WaitForWindow(ProcessOf(running.front()), "エラー");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "保存に失敗しました");
  PressOk(box);
  EXPECT_TRUE(WaitForWindowGone(running.front(), kExitTimeoutMs));
}

TEST_F(LauncherE2E, BadArgumentsAreRefusedWithExitCodeOne) {
  const LauncherResult run = RunLauncher(folder, "capture /KIND=3");
  EXPECT_EQ(run.exitCode, 1U);
  EXPECT_EQ(run.errors.substr(0, run.errors.find("\r\n")),
            Ansi("入力エラー: /KIND= は 1（印刷）か 2（保存）で指定して下さい"));
  EXPECT_FALSE(folder.HasIni());
  EXPECT_EQ(RunLauncher(folder, "set digits=0").exitCode, 1U);
  EXPECT_FALSE(folder.HasIni()) << "a refused set writes nothing";
}

TEST_F(LauncherE2E, GetAndSetWorkOnSingleSettings) {
  folder.WriteIni("; mine\r\n[PAR ]80\r\n");
  LauncherResult run = RunLauncher(folder, "set header=\"月報 第1版\" margin-top=5");
  EXPECT_EQ(run.exitCode, 0U) << run.errors;
  const std::string bytes = folder.IniBytes();
  EXPECT_EQ(bytes.substr(0, 18), "; mine\r\n[PAR ]80\r\n");
  EXPECT_NE(bytes.find(Ansi("\r\n[HTXT]月報 第1版\r\n")), std::string::npos);
  EXPECT_NE(bytes.find("\r\n[HEAD]20,20,05,00\r\n"), std::string::npos);

  run = RunLauncher(folder, "get header percent");
  EXPECT_EQ(run.exitCode, 0U);
  EXPECT_EQ(run.output, Ansi("header=月報 第1版\r\npercent=80\r\n"));

  run = RunLauncher(folder, "set percent=0");
  EXPECT_EQ(run.exitCode, 1U);
  EXPECT_EQ(run.errors, Ansi("入力エラー: 「倍率」は1から100までの数値で指定して下さい\r\n"));
  EXPECT_EQ(folder.IniBytes(), bytes);

  // Keys by the names the dialog lists; a typing key is refused.
  run = RunLauncher(folder, "set \"key=Scroll Lock\" colors=256色");
  EXPECT_EQ(run.exitCode, 0U) << run.errors;
  EXPECT_NE(folder.IniBytes().find("\r\n[KEY ]145\r\n"), std::string::npos);
  run = RunLauncher(folder, "get key colors");
  EXPECT_EQ(run.output, Ansi("key=Scroll Lock\r\ncolors=256色\r\n"));
  run = RunLauncher(folder, "get --raw key colors");
  EXPECT_EQ(run.output, "key=145\r\ncolors=256\r\n");
  const std::string named = folder.IniBytes();
  run = RunLauncher(folder, "set key=Q");
  EXPECT_EQ(run.exitCode, 1U);
  EXPECT_EQ(run.errors,
            Ansi("入力エラー: 「ホットキー」に文字、数字、Space、Enter など普段の入力に"
                 "使うキーは使えません（Print Screen、Pause、F1～F24 などを指定して下さい）\r\n"));
  EXPECT_EQ(folder.IniBytes(), named);

  // Blanks around a folder are no part of it.
  EXPECT_EQ(RunLauncher(folder, "set \"folder= " + folder.Utf8Path() + " \"").exitCode, 0U);
  EXPECT_NE(folder.IniBytes().find(Ansi("\r\n[FILE]" + folder.Utf8Path() + "\r\n")),
            std::string::npos);
}

// A hidden system file is the settings file for both programs, and stays so.
TEST_F(LauncherE2E, AHiddenSystemSettingsFileIsUsedAndStaysHidden) {
  folder.WriteIni("; mine\r\n[PAR ]80\r\n");
  const std::wstring ini = (folder / L"Kaptorix.ini").wstring();
  constexpr DWORD kHiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  ASSERT_TRUE(::SetFileAttributesW(ini.c_str(), kHiddenSystem));
  EXPECT_EQ(RunLauncher(folder, "set percent=70").exitCode, 0U);
  EXPECT_EQ(RunLauncher(folder, "start").exitCode, 0U);
  EXPECT_NE(ResidentWindow(), nullptr) << "Kaptorix_Key.exe took the file for missing";
  EXPECT_EQ(folder.IniBytes().substr(0, 18), "; mine\r\n[PAR ]70\r\n");
  EXPECT_EQ(::GetFileAttributesW(ini.c_str()) & kHiddenSystem, kHiddenSystem);
  EXPECT_EQ(RunLauncher(folder, "stop").exitCode, 0U);
}

// Writers take turns: neither of two sets at once loses the other's change,
// and one that holds its turn holds the others back.
TEST_F(LauncherE2E, TwoSetsAtOnceBothLand) {
  for (const std::string number : {"1", "2", "3"}) {
    const LauncherProcess header(folder, "set header=h" + number);
    const LauncherProcess percent(folder, "set percent=" + number);
    ASSERT_TRUE(header.WaitForExit(kExitTimeoutMs) && percent.WaitForExit(kExitTimeoutMs));
    EXPECT_EQ(header.ExitCode() + percent.ExitCode(), 0U) << header.Errors() << percent.Errors();
    const std::string bytes = folder.IniBytes();
    EXPECT_TRUE(bytes.find("\r\n[HTXT]h" + number + "\r\n") != std::string::npos &&
                bytes.find("\r\n[PAR ]" + number + "\r\n") != std::string::npos)
        << bytes;
  }
  const win::KernelHandle turn(
      ::CreateMutexW(nullptr, TRUE, win::Utf8ToWide(kSettingsWriterMutex).c_str()));
  const LauncherProcess waiting(folder, "set percent=9");
  EXPECT_FALSE(waiting.WaitForExit(1000));
  ::ReleaseMutex(turn.get());
  ASSERT_TRUE(waiting.WaitForExit(kExitTimeoutMs));
  EXPECT_NE(folder.IniBytes().find("\r\n[PAR ]9\r\n"), std::string::npos);
}

// The resident program holds none of the caller's standard handles.
TEST_F(LauncherE2E, StartThroughAPipeReturnsWhileTheResidentRuns) {
  const PipedResult start = RunLauncherPiped(folder, "start");
  EXPECT_EQ(start.exitCode, 0U) << start.errors;
  EXPECT_TRUE(start.pipeClosed) << "the resident program holds the script's pipe";
  EXPECT_NE(ResidentWindow(), nullptr);
  EXPECT_EQ(RunLauncher(folder, "stop").exitCode, 0U);
}

// The settings dialog, driven from outside as a user would.
class DialogE2E : public LauncherE2E {
 protected:
  HWND OpenDialog(LauncherProcess& run) {
    const HWND dialog = WaitForWindow(run.id(), std::string(kDialogTitle));
    EXPECT_NE(dialog, nullptr) << "no settings dialog";
    return dialog;
  }
  HWND Item(HWND dialog, SettingField field) const {
    return ::GetDlgItem(dialog, ControlId(field));
  }
  std::string Text(HWND dialog, SettingField field) const {
    return WindowText(Item(dialog, field));
  }
  bool Checked(HWND dialog, SettingField field) const {
    return ::SendMessageW(Item(dialog, field), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  void Type(HWND dialog, SettingField field, const std::string& text) const {
    const std::wstring wide = win::Utf8ToWide(text);
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(Item(dialog, field), WM_SETTEXT, 0,
                          reinterpret_cast<LPARAM>(wide.c_str()), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                          &result);
  }
  void Click(HWND dialog, int id) const {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
  }
  // The text of the input error box; its OK is pressed.
  std::string InputError(const LauncherProcess& run) const {
    const HWND box = WaitForWindow(run.id(), "入力エラー");
    if (!box) return "(no box)";
    const std::string text = MessageBoxText(box);
    PressOk(box);
    WaitForWindowGone(box, kExitTimeoutMs);
    return text;
  }

  std::string Status(HWND dialog) const { return WindowText(::GetDlgItem(dialog, kStatusId)); }
  // True when the status line shows `status` within a few polls of the dialog.
  bool StatusBecomes(HWND dialog, std::string_view status) const {
    for (int i = 0; i < 100 && Status(dialog) != status; ++i) ::Sleep(50);
    return Status(dialog) == status;
  }

  std::string KnownIni() const {
    return "; written by hand\r\n[KEY ]44\r\n[FILE]" + folder.Utf8Path() +
           "\r\n[I256]16\r\n[PAR ]80\r\n[HTXT]月報\r\n[HITI]1\r\n[HEAD]10,15,05,07\r\n"
           "[QUAL]2\r\n[TIME]1\r\n[HANT]0\r\n[BSAV]1\r\n[MUKI]1\r\n[SVHD]CAP\r\n[SVNO]4\r\n"
           "[SVKK]1\r\n[MOUS]1\r\n[PRNT]\r\n";
  }
};

TEST_F(DialogE2E, ShowsTheFileAndSavesTheChangesThenStartsTheProgram) {
  folder.WriteIni(KnownIni());
  LauncherProcess run(folder, "");
  const HWND dialog = OpenDialog(run);
  ASSERT_NE(dialog, nullptr);

  EXPECT_EQ(Text(dialog, SettingField::Key), "Print Screen");
  EXPECT_EQ(Text(dialog, SettingField::SaveDir), folder.Utf8Path());
  EXPECT_EQ(Text(dialog, SettingField::FilePrefix), "CAP");
  EXPECT_EQ(Text(dialog, SettingField::SerialDigits), "4");
  EXPECT_EQ(Text(dialog, SettingField::Extension), ".bmp");
  EXPECT_EQ(Text(dialog, SettingField::Colors), "16色");
  EXPECT_EQ(Text(dialog, SettingField::Printer), "（通常使うプリンタ）");
  EXPECT_EQ(Text(dialog, SettingField::Orientation), "縦");
  EXPECT_EQ(Text(dialog, SettingField::Quality), "高品質");
  EXPECT_EQ(Text(dialog, SettingField::PrintPercent), "80");
  EXPECT_EQ(Text(dialog, SettingField::MarginLeft), "10");
  EXPECT_EQ(Text(dialog, SettingField::MarginRight), "15");
  EXPECT_EQ(Text(dialog, SettingField::MarginTop), "5");
  EXPECT_EQ(Text(dialog, SettingField::MarginBottom), "7");
  EXPECT_EQ(Text(dialog, SettingField::HeaderText), "月報");
  EXPECT_EQ(Text(dialog, SettingField::HeaderLayout), "右寄せ");
  EXPECT_TRUE(Checked(dialog, SettingField::Cursor));
  EXPECT_FALSE(Checked(dialog, SettingField::Invert));
  EXPECT_TRUE(Checked(dialog, SettingField::AlwaysSave));
  EXPECT_TRUE(Checked(dialog, SettingField::PrintDate));
  EXPECT_EQ(WindowText(::GetDlgItem(dialog, kStatusId)), kStoppedStatus);

  Type(dialog, SettingField::HeaderText, "週報");
  Type(dialog, SettingField::PrintPercent, "50");
  ::SendMessageW(Item(dialog, SettingField::Colors), CB_SETCURSEL, 0, 0);  // full colour
  ::SendMessageW(Item(dialog, SettingField::PrintDate), BM_SETCHECK, BST_UNCHECKED, 0);
  Click(dialog, kSaveAndStartId);
  ASSERT_TRUE(run.WaitForExit(kExitTimeoutMs));
  EXPECT_EQ(run.ExitCode(), 0U);

  EXPECT_EQ(folder.IniBytes(),
            Ansi("; written by hand\r\n[KEY ]44\r\n[FILE]" + folder.Utf8Path() +
                 "\r\n[I256]0\r\n[PAR ]50\r\n[HTXT]週報\r\n[HITI]1\r\n[HEAD]10,15,05,07\r\n"
                 "[QUAL]2\r\n[TIME]0\r\n[HANT]0\r\n[BSAV]1\r\n[MUKI]1\r\n[SVHD]CAP\r\n"
                 "[SVNO]4\r\n[SVKK]1\r\n[MOUS]1\r\n[PRNT]\r\n"));
  EXPECT_EQ(folder.Files().size(), 3U);  // the two programs and the settings
  ASSERT_NE(ResidentWindow(), nullptr);
  EXPECT_EQ(RunLauncher(folder, "stop").exitCode, 0U);
}

TEST_F(DialogE2E, RefusesBadValuesWithAMessageAndWritesNothing) {
  folder.WriteIni(KnownIni());
  const std::string before = folder.IniBytes();
  LauncherProcess run(folder, "");
  const HWND dialog = OpenDialog(run);
  ASSERT_NE(dialog, nullptr);

  Type(dialog, SettingField::PrintPercent, "0");
  Click(dialog, kSaveAndStartId);
  EXPECT_EQ(InputError(run), "「倍率」は1から100までの数値で指定して下さい");

  Type(dialog, SettingField::PrintPercent, "100");
  Type(dialog, SettingField::MarginTop, "100");
  Click(dialog, kSaveOnlyId);
  EXPECT_EQ(InputError(run), "「余白 上」は0から99までの数値で指定して下さい");

  Type(dialog, SettingField::MarginTop, "0");
  Type(dialog, SettingField::SerialDigits, "0");
  Click(dialog, kSaveAndStartId);
  EXPECT_EQ(InputError(run), "「連番の桁数」は1から9までの数値で指定して下さい");

  // A missing folder is offered for creation; "no" leaves it at that.
  Type(dialog, SettingField::SerialDigits, "3");
  Type(dialog, SettingField::SaveDir, folder.Utf8Path(L"missing"));
  Click(dialog, kSaveAndStartId);
  const HWND offer = WaitForWindow(run.id(), "Kaptorix");
  ASSERT_NE(offer, nullptr);
  EXPECT_EQ(MessageBoxText(offer), "「保存先フォルダ」がありません\r\n" +
                                       folder.Utf8Path(L"missing") + "\r\n\r\n作成しますか？");
  PressButton(offer, IDNO);
  EXPECT_TRUE(WaitForWindowGone(offer, kExitTimeoutMs));
  EXPECT_FALSE(std::filesystem::exists(folder / L"missing"));

  EXPECT_TRUE(::IsWindow(dialog));
  EXPECT_EQ(folder.IniBytes(), before);
  EXPECT_TRUE(KeyWindows().empty());
  Click(dialog, kCancelId);
  ASSERT_TRUE(run.WaitForExit(kExitTimeoutMs));
  EXPECT_EQ(run.ExitCode(), 0U);
  EXPECT_EQ(folder.IniBytes(), before);
  EXPECT_EQ(folder.Files().size(), 3U);
}

// The status line follows the resident program however it starts and ends.
TEST_F(DialogE2E, StatusFollowsTheResidentProgramAndItsButtonsActOnIt) {
  folder.WriteIni("");
  LauncherProcess run(folder, "");
  const HWND dialog = OpenDialog(run);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Status(dialog), kStoppedStatus);
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, kStopId)));

  ASSERT_EQ(RunLauncher(folder, "start").exitCode, 0U);
  EXPECT_TRUE(StatusBecomes(dialog, kResidentStatus)) << "started from outside";
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, kStopId)));
  Click(dialog, kStopId);
  for (int i = 0; i < 100 && !KeyWindows().empty(); ++i) ::Sleep(50);
  EXPECT_TRUE(KeyWindows().empty());
  EXPECT_TRUE(StatusBecomes(dialog, kStoppedStatus));
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, kStopId)));
  ExpectNoAtoms();

  // Saved without a start, the values wait for the running copy's restart.
  ASSERT_EQ(RunLauncher(folder, "start").exitCode, 0U);
  EXPECT_TRUE(StatusBecomes(dialog, kResidentStatus));
  const HWND resident = ResidentWindow();
  Type(dialog, SettingField::PrintPercent, "40");
  Click(dialog, kSaveOnlyId);
  const HWND told = WaitForWindow(run.id(), "Kaptorix");
  ASSERT_NE(told, nullptr);
  EXPECT_EQ(MessageBoxText(told),
            "設定を保存しました。常駐中の Kaptorix_Key は、再起動すると新しい設定で動きます");
  PressOk(told);
  ASSERT_TRUE(run.WaitForExit(kExitTimeoutMs));
  EXPECT_NE(folder.IniBytes().find("\r\n[PAR ]40\r\n"), std::string::npos);
  EXPECT_EQ(ResidentWindow(), resident);
  EXPECT_EQ(RunLauncher(folder, "stop").exitCode, 0U);
}

TEST_F(DialogE2E, TypingKeyIsRefusedAndAMissingFolderMadeOnRequest) {
  folder.WriteIni("[KEY ]65\r\n[FILE]" + folder.Utf8Path(L"new\\shots") + "\r\n");
  LauncherProcess run(folder, "");
  const HWND dialog = OpenDialog(run);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Text(dialog, SettingField::Key), "キーコード 65");
  Click(dialog, kSaveOnlyId);
  EXPECT_EQ(InputError(run),
            "「ホットキー」に文字、数字、Space、Enter など普段の入力に使うキーは使えません"
            "（Print Screen、Pause、F1～F24 などを指定して下さい）");

  ::SendMessageW(Item(dialog, SettingField::Key), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(L"F12"));
  EXPECT_EQ(Text(dialog, SettingField::Key), "F12");
  Click(dialog, kSaveOnlyId);
  const HWND offer = WaitForWindow(run.id(), "Kaptorix");
  ASSERT_NE(offer, nullptr);
  PressButton(offer, IDYES);
  ASSERT_TRUE(run.WaitForExit(kExitTimeoutMs));
  EXPECT_EQ(run.ExitCode(), 0U);
  EXPECT_TRUE(std::filesystem::is_directory(folder / L"new" / L"shots"));
  const std::string bytes = folder.IniBytes();
  EXPECT_NE(bytes.find("[KEY ]123\r\n"), std::string::npos) << bytes;
  EXPECT_TRUE(KeyWindows().empty()) << "saved without starting";
}

// A foreign user-data slot steers nothing, and a file changed while the
// dialog is open is reloaded or overwritten only when the user says so.
TEST_F(DialogE2E, AChangeMadeWhileOpenIsOfferedForReloadOrOverwrite) {
  folder.WriteIni(KnownIni());
  LauncherProcess run(folder, "");
  const HWND dialog = OpenDialog(run);
  ASSERT_NE(dialog, nullptr);
  ::SetWindowLongPtrW(dialog, DWLP_USER, 0x5EED);
  ASSERT_EQ(::GetWindowLongPtrW(dialog, DWLP_USER), 0x5EED);
  for (const int answer : {IDYES, IDNO}) {
    ASSERT_EQ(RunLauncher(folder, answer == IDYES ? "set percent=33" : "set header=x").exitCode,
              0U);
    Type(dialog, SettingField::HeaderText, "mine");
    Click(dialog, kSaveOnlyId);
    const HWND asked = WaitForWindow(run.id(), "Kaptorix");
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(MessageBoxText(asked).find("Kaptorix.ini は、この画面で読み込んだ後にほかで変更"),
              0U);
    PressButton(asked, answer);
  }
  ASSERT_TRUE(run.WaitForExit(kExitTimeoutMs));
  const std::string bytes = folder.IniBytes();
  EXPECT_NE(bytes.find("\r\n[PAR ]33\r\n"), std::string::npos) << "reloaded, kept " << bytes;
  EXPECT_NE(bytes.find("\r\n[HTXT]mine\r\n"), std::string::npos) << "overwritten " << bytes;
}

}  // namespace
}  // namespace kx::e2e
