#include "e2e/harness/KaptorixRun.h"

#include <stdexcept>

#include "win32/Strconv.h"

namespace kx::e2e {
namespace {

std::filesystem::path TestProgramDir() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path();
}

}  // namespace

KaptorixFolder::KaptorixFolder() {
  std::filesystem::copy_file(TestProgramDir() / L"Kaptorix_Key.exe", exe());
}

void KaptorixFolder::WriteIni(const std::string& utf8Text) const {
  test::WriteAll(dir() / L"Kaptorix.ini", win::Utf8ToAnsi(utf8Text));
}

std::string KaptorixFolder::Utf8Path(const std::wstring& name) const {
  return win::WideToUtf8((name.empty() ? dir() : dir() / name).wstring());
}

KaptorixProcess::KaptorixProcess(const KaptorixFolder& folder, const std::string& arguments) {
  std::wstring commandLine = L"\"" + folder.exe().wstring() + L"\"";
  if (!arguments.empty()) commandLine += L" " + win::Utf8ToWide(arguments);

  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  const win::FileHandle nul(::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                          OPEN_EXISTING, 0, nullptr));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = nul.get();
  PROCESS_INFORMATION info{};
  const std::wstring workDir = folder.dir().wstring();
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        workDir.c_str(), &startup, &info)) {
    throw std::runtime_error("cannot start Kaptorix_Key.exe");
  }
  ::CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  id_ = info.dwProcessId;
  startedAt_ = ::GetTickCount();
}

KaptorixProcess::~KaptorixProcess() {
  if (Running()) {
    ::TerminateProcess(process_.get(), 99);
    WaitForExit(5000);
  }
}

bool KaptorixProcess::WaitForExit(DWORD timeoutMs) const {
  return ::WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD KaptorixProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process_.get(), &code);
  return code;
}

}  // namespace kx::e2e
