#include "launcher/win32/KeyProgramControl.h"

#include "base/Paths.h"
#include "base/ProductNames.h"
#include "base/win32/Files.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"

namespace kx::win {
namespace {

constexpr DWORD kReadyTimeoutMs = 10000;
constexpr DWORD kPollMs = 50;

// Starts the exe with `arguments` from its own folder; the process handle,
// or an invalid one when it could not start.
KernelHandle StartProcess(const std::wstring& exe, const std::wstring& folder,
                          std::string_view arguments) {
  std::wstring commandLine = L"\"" + exe + L"\" " + Utf8ToWide(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
    return KernelHandle();
  }
  const KernelHandle thread(info.hThread);
  return KernelHandle(info.hProcess);
}

}  // namespace

KeyProgramControl::KeyProgramControl(const std::string& programDir)
    : exe_(Utf8ToWide(JoinPath(programDir, kKeyProgramExe))), folder_(Utf8ToWide(programDir)) {}

bool KeyProgramControl::Installed() { return PlainFileExists(WideToUtf8(exe_)); }

bool KeyProgramControl::Launch(std::string_view arguments) {
  const KernelHandle process = StartProcess(exe_, folder_, arguments);
  if (!process) return false;
  ::WaitForInputIdle(process.get(), kReadyTimeoutMs);
  return true;
}

std::optional<std::uint32_t> KeyProgramControl::RunToEnd(std::string_view arguments) {
  const KernelHandle process = StartProcess(exe_, folder_, arguments);
  if (!process) return std::nullopt;
  DWORD exitCode = 0;
  if (::WaitForSingleObject(process.get(), INFINITE) != WAIT_OBJECT_0 ||
      !::GetExitCodeProcess(process.get(), &exitCode)) {
    return std::nullopt;
  }
  return exitCode;
}

std::size_t KeyProgramControl::ResidentCount() { return KeyMainWindows().size(); }

std::size_t KeyProgramControl::CloseResidents(std::uint32_t timeoutMs) {
  struct Closing {
    HWND window;
    KernelHandle process;  // invalid when the process cannot be opened
  };
  std::vector<Closing> closing;
  for (const HWND window : KeyMainWindows()) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    KernelHandle process(::OpenProcess(SYNCHRONIZE, FALSE, processId));
    if (::PostMessageW(window, WM_CLOSE, 0, 0)) closing.push_back({window, std::move(process)});
  }
  const DWORD start = ::GetTickCount();
  std::size_t running = 0;
  for (const Closing& copy : closing) {
    const auto left = [&] {
      const DWORD spent = ::GetTickCount() - start;
      return spent < timeoutMs ? timeoutMs - spent : 0;
    };
    if (copy.process) {
      if (::WaitForSingleObject(copy.process.get(), left()) != WAIT_OBJECT_0) ++running;
      continue;
    }
    while (::IsWindow(copy.window) && left() > 0) ::Sleep(kPollMs);
    if (::IsWindow(copy.window)) ++running;
  }
  return running;
}

std::vector<HWND> KeyMainWindows() {
  const std::wstring className = Utf8ToWide(kMainWindowClass);
  const std::wstring caption = Utf8ToWide(kMainWindowCaption);
  std::vector<HWND> windows;
  HWND window = nullptr;
  while ((window = ::FindWindowExW(nullptr, window, className.c_str(), caption.c_str())) !=
         nullptr) {
    windows.push_back(window);
  }
  return windows;
}

}  // namespace kx::win
