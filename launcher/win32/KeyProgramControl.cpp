#include "launcher/win32/KeyProgramControl.h"

#include <array>
#include <cstddef>
#include <vector>

#include "base/Paths.h"
#include "base/ProductNames.h"
#include "base/win32/Files.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"
#include "base/win32/TopLevelWindows.h"

namespace kx::win {
namespace {

constexpr DWORD kReadyTimeoutMs = 10000;
constexpr DWORD kPollMs = 50;
constexpr DWORD kPipeBytes = 64 * 1024;  // more than a run writes, so it never waits on us

std::wstring CommandLine(const std::wstring& exe, std::string_view arguments) {
  return L"\"" + exe + L"\" " + Utf8ToWide(arguments);
}

// The process that CreateProcessW started; its thread's handle is closed.
KernelHandle StartedProcess(const PROCESS_INFORMATION& info) {
  const KernelHandle thread(info.hThread);
  return KernelHandle(info.hProcess);
}

// A pipe whose write end a child takes as a standard handle.
struct ChildPipe {
  KernelHandle read;   // ours, not inherited
  KernelHandle write;  // the child's
};

std::optional<ChildPipe> MakeChildPipe() {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  if (!::CreatePipe(&read, &write, &inherit, kPipeBytes)) return std::nullopt;
  ChildPipe pipe{KernelHandle(read), KernelHandle(write)};
  if (!::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0)) return std::nullopt;
  return pipe;
}

// What the pipe holds now, without waiting for more.
std::string TakeAvailable(HANDLE read) {
  std::string bytes;
  DWORD available = 0;
  while (::PeekNamedPipe(read, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    std::string chunk(available, '\0');
    DWORD got = 0;
    if (!::ReadFile(read, chunk.data(), available, &got, nullptr) || got == 0) break;
    bytes.append(chunk, 0, got);
  }
  return bytes;
}

// Names the only handles a child inherits, so that it holds no handle of
// ours open (a script reading our output would wait for it otherwise).
class InheritedHandles {
 public:
  explicit InheritedHandles(std::array<HANDLE, 3> handles) : handles_(handles) {
    SIZE_T size = 0;
    ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    buffer_.resize(size);
    if (!::InitializeProcThreadAttributeList(List(), 1, 0, &size)) return;
    initialized_ = true;
    ready_ =
        ::UpdateProcThreadAttribute(List(), 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                    sizeof handles_, nullptr, nullptr) != FALSE;
  }
  ~InheritedHandles() {
    if (initialized_) ::DeleteProcThreadAttributeList(List());
  }
  InheritedHandles(const InheritedHandles&) = delete;
  InheritedHandles& operator=(const InheritedHandles&) = delete;

  bool ready() const { return ready_; }
  LPPROC_THREAD_ATTRIBUTE_LIST List() {
    return reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(buffer_.data());
  }

 private:
  std::array<HANDLE, 3> handles_;
  std::vector<std::byte> buffer_;
  bool initialized_ = false;
  bool ready_ = false;
};

FileHandle InheritableNul(DWORD access) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return FileHandle(::CreateFileW(L"NUL", access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                  OPEN_EXISTING, 0, nullptr));
}

// Starts the exe with `arguments` from its own folder, with NUL as its input
// and `output` and `errors` as its output and error (NUL where null): it holds
// no standard handle of ours. The process handle, or an invalid one when it
// could not start.
KernelHandle StartProcess(const std::wstring& exe, const std::wstring& folder,
                          std::string_view arguments, HANDLE output, HANDLE errors) {
  const FileHandle nul = InheritableNul(GENERIC_READ);
  const FileHandle nulOutput = output ? FileHandle() : InheritableNul(GENERIC_WRITE);
  const FileHandle nulErrors = errors ? FileHandle() : InheritableNul(GENERIC_WRITE);
  if (!output) output = nulOutput.get();
  if (!errors) errors = nulErrors.get();
  if (!nul || output == INVALID_HANDLE_VALUE || errors == INVALID_HANDLE_VALUE) {
    return KernelHandle();
  }
  InheritedHandles inherited({nul.get(), output, errors});
  if (!inherited.ready()) return KernelHandle();

  std::wstring commandLine = CommandLine(exe, arguments);
  STARTUPINFOEXW startup{};
  startup.StartupInfo.cb = sizeof startup;
  startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
  startup.StartupInfo.hStdInput = nul.get();
  startup.StartupInfo.hStdOutput = output;
  startup.StartupInfo.hStdError = errors;
  startup.lpAttributeList = inherited.List();
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        EXTENDED_STARTUPINFO_PRESENT, nullptr, folder.c_str(), &startup.StartupInfo,
                        &info)) {
    return KernelHandle();
  }
  return StartedProcess(info);
}

// The main windows of the resident copies of Kaptorix_Key.exe; one-shot
// runs, whose windows look the same, are not among them.
std::vector<HWND> KeyMainWindows() { return ResidentWindows(); }

}  // namespace

KeyProgramControl::KeyProgramControl(const std::string& programDir)
    : exe_(Utf8ToWide(JoinPath(programDir, kKeyProgramExe))), folder_(Utf8ToWide(programDir)) {}

bool KeyProgramControl::Installed() { return FileExists(WideToUtf8(exe_)); }

bool KeyProgramControl::Launch(std::string_view arguments) {
  const KernelHandle process = StartProcess(exe_, folder_, arguments, nullptr, nullptr);
  if (!process) return false;
  ::WaitForInputIdle(process.get(), kReadyTimeoutMs);
  return true;
}

std::optional<KeyRun> KeyProgramControl::RunToEnd(std::string_view arguments,
                                                  std::uint32_t timeoutMs) {
  std::optional<ChildPipe> output = MakeChildPipe();
  std::optional<ChildPipe> errors = MakeChildPipe();
  if (!output || !errors) return std::nullopt;
  const KernelHandle process =
      StartProcess(exe_, folder_, arguments, output->write.get(), errors->write.get());
  if (!process) return std::nullopt;
  output->write.reset();
  errors->write.reset();

  KeyRun run;
  DWORD exitCode = 0;
  if (::WaitForSingleObject(process.get(), timeoutMs) == WAIT_OBJECT_0 &&
      ::GetExitCodeProcess(process.get(), &exitCode)) {
    run.exitCode = exitCode;
  }
  run.output = AnsiToUtf8(TakeAvailable(output->read.get()));
  run.errors = AnsiToUtf8(TakeAvailable(errors->read.get()));
  return run;
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

}  // namespace kx::win
