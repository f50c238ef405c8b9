#include "LauncherRun.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "e2e/harness/WindowProbe.h"
#include "win32/Strconv.h"

namespace kx::e2e {
namespace {

constexpr DWORD kRunTimeoutMs = 60000;

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

BOOL CALLBACK CollectKeyWindow(HWND window, LPARAM list) {
  if (ClassName(window) == "frmKaptorix" && WindowText(window) == "Kaptorix_Key") {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  }
  return TRUE;
}

}  // namespace

LauncherFolder::LauncherFolder() {
  std::filesystem::copy_file(TestProgramDir() / L"Kaptorix.exe", launcher());
}

bool LauncherFolder::HasIni() const { return std::filesystem::exists(dir() / L"Kaptorix.ini"); }

std::string LauncherFolder::IniBytes() const { return test::ReadAll(dir() / L"Kaptorix.ini"); }

std::vector<std::wstring> LauncherFolder::Files() const {
  std::vector<std::wstring> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir())) {
    names.push_back(entry.path().filename().wstring());
  }
  return names;
}

LauncherProcess::LauncherProcess(const LauncherFolder& folder, const std::string& arguments) {
  std::wstring commandLine = L"\"" + folder.launcher().wstring() + L"\"";
  if (!arguments.empty()) commandLine += L" " + win::Utf8ToWide(arguments);
  const win::FileHandle input = InheritableFile(L"NUL", GENERIC_READ, OPEN_EXISTING);
  const win::FileHandle output = InheritableFile(streams_ / "out", GENERIC_WRITE, CREATE_ALWAYS);
  const win::FileHandle errors = InheritableFile(streams_ / "err", GENERIC_WRITE, CREATE_ALWAYS);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input.get();
  startup.hStdOutput = output.get();
  startup.hStdError = errors.get();
  PROCESS_INFORMATION info{};
  const std::wstring workDir = folder.dir().wstring();
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        workDir.c_str(), &startup, &info)) {
    throw std::runtime_error("cannot start Kaptorix.exe");
  }
  ::CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  id_ = info.dwProcessId;
}

LauncherProcess::~LauncherProcess() {
  if (!WaitForExit(0)) {
    ::TerminateProcess(process_.get(), 99);
    WaitForExit(5000);
  }
}

bool LauncherProcess::WaitForExit(DWORD timeoutMs) const {
  return ::WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD LauncherProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process_.get(), &code);
  return code;
}

std::string LauncherProcess::Output() const { return test::ReadAll(streams_ / "out"); }
std::string LauncherProcess::Errors() const { return test::ReadAll(streams_ / "err"); }

LauncherResult RunLauncher(const LauncherFolder& folder, const std::string& arguments) {
  const LauncherProcess run(folder, arguments);
  EXPECT_TRUE(run.WaitForExit(kRunTimeoutMs)) << "Kaptorix.exe " << arguments << " did not end";
  return {run.ExitCode(), run.Output(), run.Errors()};
}

std::vector<HWND> KeyWindows() {
  std::vector<HWND> found;
  ::EnumWindows(&CollectKeyWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

void KillKeyPrograms() {
  for (const HWND window : KeyWindows()) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    const win::KernelHandle process(
        ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId));
    if (!process) continue;
    ::TerminateProcess(process.get(), 99);
    ::WaitForSingleObject(process.get(), 5000);
  }
}

bool AtomExists(const std::string& name) { return ::GlobalFindAtomA(name.c_str()) != 0; }

}  // namespace kx::e2e
