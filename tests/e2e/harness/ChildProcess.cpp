#include "e2e/harness/ChildProcess.h"

#include <stdexcept>

#include "base/win32/Strconv.h"

namespace kx::e2e {

std::filesystem::path TestProgramDir() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path();
}

win::FileHandle InheritableFile(const std::filesystem::path& path, DWORD access, DWORD creation) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return win::FileHandle(::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       &inherit, creation, 0, nullptr));
}

ChildProcess::ChildProcess(const std::filesystem::path& exe, const std::string& arguments,
                           const std::filesystem::path& workDir, HANDLE output, HANDLE errors) {
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  if (!arguments.empty()) commandLine += L" " + win::Utf8ToWide(arguments);

  const win::FileHandle nul = InheritableFile(L"NUL", GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nul.get();
  startup.hStdOutput = output ? output : nul.get();
  startup.hStdError = errors ? errors : nul.get();
  PROCESS_INFORMATION info{};
  const std::wstring folder = workDir.wstring();
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
    throw std::runtime_error("cannot start " + win::WideToUtf8(exe.wstring()));
  }
  ::CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  id_ = info.dwProcessId;
  startedAt_ = ::GetTickCount();
}

ChildProcess::~ChildProcess() {
  if (Running()) {
    ::TerminateProcess(process_.get(), 99);
    WaitForExit(5000);
  }
}

void ChildProcess::Kill() const {
  ::TerminateProcess(process_.get(), 99);
  WaitForExit(5000);
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) const {
  return ::WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process_.get(), &code);
  return code;
}

}  // namespace kx::e2e
