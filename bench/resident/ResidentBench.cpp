// The Windows half of latency-vs-import.sh: runs the resident Kaptorix_Key.exe
// from a fresh folder (every Shift+Print Screen saves there) and answers one
// command per line on standard input:
//   press  presses Shift+Print Screen with SendInput; prints "saved <ms>",
//          the time from the press to the numbered file having its name
//          (a save gives it its name only once the file is complete), or
//          "failed <why>"; then, once the action has ended (its notice has
//          closed), deletes the file and prints "done".
//   quit   closes the main window and prints "closed <exit code>".
// It starts with "ready <width>x<height>" once the hot keys are registered.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "base/ProductNames.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"
#include "e2e/harness/KaptorixRun.h"
#include "e2e/harness/KeyInput.h"
#include "e2e/harness/WindowProbe.h"

namespace {

constexpr DWORD kSaveTimeoutMs = 10000;
constexpr DWORD kNoticeTimeoutMs = 5000;
constexpr DWORD kActionEndMs = 100;  // from the notice's end to the action's return
constexpr DWORD kRegistrationMs = 1500;

double NowMs() {
  LARGE_INTEGER count{}, frequency{};
  ::QueryPerformanceCounter(&count);
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Say(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

// Wakes on every change of a file name in the folder; armed before the press
// so that no change goes unseen.
class FolderWatch {
 public:
  explicit FolderWatch(const std::filesystem::path& folder)
      : folder_(::CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED,
                              nullptr)),
        event_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

  bool Arm() {
    ::ResetEvent(event_.get());
    overlapped_ = {};
    overlapped_.hEvent = event_.get();
    return ::ReadDirectoryChangesW(folder_.get(), changes_, sizeof changes_, FALSE,
                                   FILE_NOTIFY_CHANGE_FILE_NAME, nullptr, &overlapped_,
                                   nullptr) != FALSE;
  }

  // Waits for the next change; false when none came within the time.
  bool Wait(DWORD timeoutMs) {
    if (::WaitForSingleObject(event_.get(), timeoutMs) != WAIT_OBJECT_0) return false;
    DWORD bytes = 0;
    ::GetOverlappedResult(folder_.get(), &overlapped_, &bytes, FALSE);
    return true;
  }

  ~FolderWatch() {
    ::CancelIo(folder_.get());
    DWORD bytes = 0;
    ::GetOverlappedResult(folder_.get(), &overlapped_, &bytes, TRUE);
  }
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

 private:
  kx::win::FileHandle folder_;
  kx::win::KernelHandle event_;
  OVERLAPPED overlapped_{};
  alignas(DWORD) BYTE changes_[4096] = {};
};

bool Exists(const std::filesystem::path& file) {
  return ::GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// One press: the time to the file, or why there is none.
std::string PressAndTime(const std::filesystem::path& file) {
  FolderWatch watch(file.parent_path());
  if (!watch.Arm()) return "failed the folder cannot be watched";
  const double start = NowMs();
  kx::e2e::PressKey({VK_SHIFT}, VK_SNAPSHOT);
  while (!Exists(file)) {
    if (NowMs() - start > kSaveTimeoutMs) return "failed no file";
    if (watch.Wait(kSaveTimeoutMs)) watch.Arm();
  }
  const double saved = NowMs() - start;
  char line[64];
  std::snprintf(line, sizeof line, "saved %.2f", saved);
  return line;
}

// One press, the file a save in an empty folder takes, and the end of the
// action, after which the folder is empty again.
void Press(DWORD processId, const std::filesystem::path& shots) {
  const std::filesystem::path file = shots / L"KX001.BMP";
  const std::string outcome = PressAndTime(file);
  Say(outcome);
  const std::wstring notice = kx::win::Utf8ToWide(kx::kResultNoticeClass);
  if (outcome.starts_with("saved")) {
    if (const HWND window = kx::e2e::WaitForClass(processId, notice.c_str(), kNoticeTimeoutMs)) {
      kx::e2e::WaitForWindowGone(window, kNoticeTimeoutMs);
    }
  }
  ::Sleep(kActionEndMs);
  ::DeleteFileW(file.c_str());
  Say("done");
}

}  // namespace

int main() {
  kx::e2e::KaptorixFolder folder;
  const std::filesystem::path shots = folder / L"shots";
  std::filesystem::create_directory(shots);
  folder.WriteIni("[FILE]" + folder.Utf8Path(L"shots") + "\r\n");
  kx::e2e::KaptorixProcess run(folder, "Kaptorix");
  const HWND mainWindow = kx::e2e::WaitForWindow(run.id(), std::string(kx::kMainWindowCaption),
                                                 kx::e2e::kWindowTimeoutMs,
                                                 kx::win::Utf8ToWide(kx::kMainWindowClass).c_str());
  if (!mainWindow) {
    Say("failed no main window");
    return 1;
  }
  ::Sleep(kRegistrationMs);
  Say("ready " + std::to_string(::GetSystemMetrics(SM_CXSCREEN)) + "x" +
      std::to_string(::GetSystemMetrics(SM_CYSCREEN)));

  char command[64];
  while (std::fgets(command, sizeof command, stdin)) {
    if (std::strncmp(command, "press", 5) == 0) {
      Press(run.id(), shots);
    } else if (std::strncmp(command, "quit", 4) == 0) {
      break;
    }
  }
  ::PostMessageW(mainWindow, WM_CLOSE, 0, 0);
  run.WaitForExit(kx::e2e::kWindowTimeoutMs);
  Say("closed " + std::to_string(run.ExitCode()));
  return 0;
}
