#include "app/win32/MainWindow.h"

#include <shellapi.h>

#include <utility>

#include "actions/CaptureAction.h"
#include "actions/RegionAction.h"
#include "actions/win32/Win32ActionServices.h"
#include "app/OneShotRuns.h"
#include "app/win32/Win32RegionSource.h"
#include "app/win32/Win32StartupServices.h"
#include "base/ExitCodes.h"
#include "base/HotKeyNames.h"
#include "base/KeyBusy.h"
#include "base/Modifiers.h"
#include "base/Paths.h"
#include "base/ProductNames.h"
#include "base/Twips.h"
#include "base/win32/Files.h"
#include "base/win32/MessageBox.h"
#include "base/win32/MessageDispatch.h"
#include "base/win32/ProcessInfo.h"
#include "base/win32/Strconv.h"
#include "base/win32/TopLevelWindows.h"
#include "base/win32/Win32SaveFileSystem.h"
#include "base/win32/WindowTable.h"
#include "notices/win32/Notices.h"

namespace kx::win {
namespace {

constexpr double kOffScreenTwips = -10000.0;
constexpr DWORD kMillisecondsPerSecond = 1000;
// Posted to itself once an action has returned, for an end of the session
// that came meanwhile; it acts only on what was recorded then. (WM_APP + 1
// is the notification-area icon's.)
constexpr UINT kDeferredEndSession = WM_APP + 2;

// True for a message that another thread sent, false for a posted one (any
// process can post any message) or one the program gave itself.
bool SentByAnotherThread() { return ::InSendMessageEx(nullptr) != ISMEX_NOSEND; }

// After a menu closes, for the windows under it to be drawn again and the
// chosen item's fading to end, so that the menu is in no capture.
constexpr DWORD kMenuGoneMilliseconds = 400;
constexpr std::size_t kLastRegionFileBytes = 64;

int RunMessageLoop() {
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) DispatchOwnMessage(message);
  return 0;
}

// Handles what is queued; a WM_QUIT met is posted again for the loop after it.
void ProcessPendingMessages() {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchOwnMessage(message);
  }
}

// Waits while answering what other threads send (a launcher asking whether
// this is the resident copy); posted messages, hot keys and the icon's
// among them, stay queued for later.
void WaitAnswering(DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  for (ULONGLONG now = ::GetTickCount64(); now < end; now = ::GetTickCount64()) {
    ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now), QS_SENDMESSAGE, 0);
    MSG message{};
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

// Keeps a one-shot run alive until its notices have closed, so that they are
// seen: the save-aborted notice closes itself, the print-error notice on OK.
void WaitForNotices() {
  MSG message{};
  while (NoticesOpen() && ::GetMessageW(&message, nullptr, 0, 0) > 0) DispatchOwnMessage(message);
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {}

MainWindow::~MainWindow() {
  trayIcon_.reset();
  hotKeys_.reset();
  if (const HWND window = hwnd_) {
    ::DestroyWindow(window);
    WindowTable<MainWindow>::Take(window);
  }
}

int MainWindow::Run() {
  if (!Create()) return kExitOtherError;
  if (!Start()) return kExitStartupFailed;
  switch (plan_->course) {
    case Course::StoreRun:
      return RunStoreRun();
    case Course::OptionRun:
      return RunOptionRun();
    case Course::Resident:
      return RunResident();
  }
  return 0;
}

bool MainWindow::Create() {
  const std::wstring className = Utf8ToWide(kMainWindowClass);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &MainWindow::WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className.c_str();
  if (!::RegisterClassExW(&windowClass)) return false;

  hwnd_ = ::CreateWindowExW(0, className.c_str(), Utf8ToWide(kMainWindowCaption).c_str(),
                            WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 320, 240, nullptr,
                            nullptr, instance_, nullptr);
  if (!hwnd_) return false;
  // Bound once the window exists; its creation messages need no object, and
  // nothing a message carries is ever taken as one.
  WindowTable<MainWindow>::Bind(hwnd_, *this);
  residentMessage_ = ::RegisterWindowMessageW(Utf8ToWide(kResidentMessage).c_str());
  return true;
}

// Start-up checks, settings and placement, before any course runs.
bool MainWindow::Start() {
  Win32StartupServices services;
  programDir_ = ProgramDir();
  commandLine_ = CommandLineText();
  plan_ = PlanStartup(commandLine_, programDir_, services);
  if (!plan_) return false;
  if (plan_->showMainWindow) {
    ::ShowWindow(hwnd_, SW_SHOWNORMAL);
    ::UpdateWindow(hwnd_);
  } else {
    PlaceOffScreen();
  }
  return true;
}

void MainWindow::PlaceOffScreen() {
  const WindowDc screen = WindowDc::Client(nullptr);
  const double perPixelX = TwipsPerPixel(::GetDeviceCaps(screen.get(), LOGPIXELSX));
  const double perPixelY = TwipsPerPixel(::GetDeviceCaps(screen.get(), LOGPIXELSY));
  const int x = TwipsToPixels(kOffScreenTwips, perPixelX).value_or(0);
  const int y = TwipsToPixels(kOffScreenTwips, perPixelY).value_or(0);
  ::SetWindowPos(hwnd_, nullptr, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

int MainWindow::RunStoreRun() { return RunOneShot(PrepareStoreRun(plan_->settings)); }

int MainWindow::RunOptionRun() {
  ProcessPendingMessages();
  return RunOneShot(PrepareOptionRun(plan_->kindValue, commandLine_, plan_->settings));
}

// One capture action after the request's wait, then the end of the process
// once the notices it opened have closed, with the action's exit code.
int MainWindow::RunOneShot(const OneShotRequest& request) {
  if (request.waitSeconds > 0) {
    WaitAnswering(static_cast<DWORD>(request.waitSeconds) * kMillisecondsPerSecond);
  }
  const ActionResult result = request.area || request.areaRefused ? RunOneShotRegion(request)
                                                                  : RunCapture(request.modifiers);
  WaitForNotices();
  return OneShotExitCode(result.outcome);
}

// The region of "/AREA=", recalling and keeping the region last taken in the
// file beside the programs; a broken or missing file recalls none.
ActionResult MainWindow::RunOneShotRegion(const OneShotRequest& request) {
  if (!request.area) {
    Win32ActionServices services(hwnd_, surface_);
    return Report(services, ActionOutcome::OtherError, std::string(kAreaRefusedText));
  }
  const std::string file = JoinPath(programDir_, kLastRegionFileName);
  if (const auto text = ReadFileBytes(file, kLastRegionFileBytes)) {
    lastRegion_ = ReadLastRegion(*text);
  }
  const std::optional<ScreenRect> recalled = lastRegion_;
  const std::optional<ScreenRect> given =
      request.area->select ? std::nullopt : std::optional(request.area->rect);
  ActionResult result = RunRegion((request.modifiers & kModShift) != 0, given);
  if (lastRegion_ && lastRegion_ != recalled) {  // a failed write loses only the recall
    Win32SaveFileSystem files;
    const std::string text = LastRegionText(*lastRegion_);
    (void)SaveFileAtomically(
        files, file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
        SaveMode::ReplaceExisting);
  }
  return result;
}

// Registers the four combinations of the key, reports the ones that failed
// and waits for key presses until the window is closed from outside.
int MainWindow::RunResident() {
  hotKeys_ = std::make_unique<HotKeyRegistry>(windowServices_, atomTable_, hotKeyService_, *this);
  hotKeys_->SetTarget(ToWindowHandle(hwnd_));
  const std::optional<MessageText> warning =
      printKeys_.RegisterPrintKeys(*hotKeys_, plan_->settings.hotKey, plan_->settings.region);
  if (plan_->settings.tray) ShowTrayIcon();
  if (warning) {
    const bool withIcon = trayIcon_ && trayIcon_->Shown();
    ShowMessageBox(nullptr, withIcon ? WithTrayLine(*warning) : *warning, MB_ICONEXCLAMATION);
  }
  return RunMessageLoop();
}

void MainWindow::ShowTrayIcon() {
  trayIcon_.emplace(hwnd_, instance_,
                    TrayTooltip(HotKeyName(plan_->settings.hotKey), printKeys_.KeysHeld(),
                                printKeys_.KeysTried()));
}

// A capture from the icon's menu takes the keys' road, busy from the choice
// on, once the menu is off the screen.
void MainWindow::RunTrayCommand(TrayCommand command) {
  if (const std::optional<TrayCapture> capture = CaptureOf(command)) {
    const KeyBusyScope busy;
    WaitAnswering(kMenuGoneMilliseconds +
                  static_cast<DWORD>(capture->waitSeconds) * kMillisecondsPerSecond);
    if (capture->region) {
      RunRegion(true, std::nullopt);
    } else {
      RunCapture(capture->modifiers);
    }
    return;
  }
  if (command == TrayCommand::OpenSettings) {
    const std::wstring launcher = Utf8ToWide(JoinPath(programDir_, kLauncherExe));
    ::ShellExecuteW(hwnd_, nullptr, launcher.c_str(), nullptr, Utf8ToWide(programDir_).c_str(),
                    SW_SHOWNORMAL);
  } else if (command == TrayCommand::EndProgram) {
    ::PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  }
}

void MainWindow::OnHotKey(std::string_view /*name*/, int modifiers, int /*virtualKey*/) {
  if ((modifiers & kModControl) != 0) {
    RunRegion((modifiers & kModShift) != 0, std::nullopt);
  } else {
    RunCapture(modifiers);
  }
}

bool MainWindow::OtherCopyRunning() { return !ResidentWindows(hwnd_).empty(); }

ActionResult MainWindow::RunCapture(int modifiers) {
  ActionResult result;
  {
    Win32ActionServices services(hwnd_, surface_);
    result = RunCaptureAction(modifiers, plan_->settings, programDir_, services);
  }
  PostDeferredRequests();
  return result;
}

ActionResult MainWindow::RunRegion(bool save, const std::optional<ScreenRect>& given) {
  ActionResult result;
  {
    Win32ActionServices services(hwnd_, surface_);
    Win32RegionSource source(hwnd_, surface_, lastRegion_, given);
    result = RunRegionAction(save, plan_->settings, programDir_, services, source);
  }
  PostDeferredRequests();
  return result;
}

// What was asked while the action ran comes back through the message loop:
// the action may have been started from inside the registry, which must not
// be released under its own feet.
void MainWindow::PostDeferredRequests() {
  if (sessionEnding_) ::PostMessageW(hwnd_, kDeferredEndSession, 0, 0);
  if (std::exchange(closeRequested_, false)) ::PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

// When the window closes or the session ends: the registry leaves the
// window's hook, then unregisters every hot key and deletes its atom.
void MainWindow::ReleaseHotKeys() { hotKeys_.reset(); }

// No exception leaves the window procedure: a failure gets the default handling.
LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (MainWindow* const self = WindowTable<MainWindow>::Find(hwnd)) {
    try {
      if (const std::optional<LRESULT> answer = self->OnMessage(message, wParam, lParam)) {
        return *answer;
      }
    } catch (...) {
    }
  }
  if (message == WM_NCDESTROY) WindowTable<MainWindow>::Take(hwnd);
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

std::optional<LRESULT> MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == residentMessage_ && residentMessage_ != 0) return hotKeys_ ? TRUE : FALSE;
  if (message == kDeferredEndSession) {
    if (std::exchange(sessionEnding_, false)) ReleaseHotKeys();
    return 0;
  }
  if (trayIcon_ && trayIcon_->OwnsMessage(message)) {
    const TrayState state{plan_->settings.alwaysSave, plan_->settings.region};
    RunTrayCommand(trayIcon_->OnMessage(message, lParam, state));
    return 0;
  }
  switch (message) {
    case WM_NCCREATE:  // the window exists: this one comes from outside
      return FALSE;
    case WM_CLOSE:
      if (KeyBusy()) {
        closeRequested_ = true;
        return 0;
      }
      ReleaseHotKeys();
      ::DestroyWindow(hwnd_);
      return 0;
    case WM_ENDSESSION:  // only the system's, which it sends
      if (!wParam || !SentByAnotherThread()) return 0;
      if (KeyBusy()) {
        sessionEnding_ = true;
        return 0;
      }
      ReleaseHotKeys();
      return 0;
    case WM_SETTEXT:  // the caption stays the program's own
      if (SentByAnotherThread()) return FALSE;
      return std::nullopt;
    case WM_TIMER:
      if (surface_.OnTimer(wParam)) return 0;
      return std::nullopt;
    case WM_DESTROY:
      trayIcon_.reset();
      ReleaseHotKeys();
      hwnd_ = nullptr;
      ::PostQuitMessage(0);
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace kx::win
