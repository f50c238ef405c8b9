#include "LauncherRun.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/ProductNames.h"
#include "base/win32/Strconv.h"
#include "e2e/harness/WindowProbe.h"

namespace kx::e2e {
namespace {

constexpr DWORD kRunTimeoutMs = 60000;

BOOL CALLBACK CollectKeyWindow(HWND window, LPARAM list) {
  if (ClassName(window) == kMainWindowClass && WindowText(window) == kMainWindowCaption) {
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

LauncherProcess::LauncherProcess(const LauncherFolder& folder, const std::string& arguments)
    : process_(Start(folder, arguments, streams_)) {}

ChildProcess LauncherProcess::Start(const LauncherFolder& folder, const std::string& arguments,
                                    const test::TempFolder& streams) {
  const win::FileHandle output = InheritableFile(streams / "out", GENERIC_WRITE, CREATE_ALWAYS);
  const win::FileHandle errors = InheritableFile(streams / "err", GENERIC_WRITE, CREATE_ALWAYS);
  return ChildProcess(folder.launcher(), arguments, folder.dir(), output.get(), errors.get());
}

std::string LauncherProcess::Output() const { return test::ReadAll(streams_ / "out"); }
std::string LauncherProcess::Errors() const { return test::ReadAll(streams_ / "err"); }

LauncherResult RunLauncher(const LauncherFolder& folder, const std::string& arguments) {
  const LauncherProcess run(folder, arguments);
  EXPECT_TRUE(run.WaitForExit(kRunTimeoutMs)) << "Kaptorix.exe " << arguments << " did not end";
  return {run.ExitCode(), run.Output(), run.Errors()};
}

PipedResult RunLauncherPiped(const LauncherFolder& folder, const std::string& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  if (!::CreatePipe(&read, &write, &inherit, 0)) throw std::runtime_error("no pipe");
  const win::KernelHandle readEnd(read);
  win::KernelHandle writeEnd(write);
  ::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  const test::TempFolder streams;
  const win::FileHandle errors = InheritableFile(streams / "err", GENERIC_WRITE, CREATE_ALWAYS);
  const ChildProcess run(folder.launcher(), arguments, folder.dir(), write, errors.get());
  writeEnd.reset();

  PipedResult result{};
  const auto take = [&] {
    DWORD available = 0;
    if (!::PeekNamedPipe(read, nullptr, 0, nullptr, &available, nullptr)) return false;
    std::string chunk(available, '\0');
    DWORD got = 0;
    if (available > 0 && ::ReadFile(read, chunk.data(), available, &got, nullptr)) {
      result.output.append(chunk, 0, got);
    }
    return true;
  };
  while (!run.WaitForExit(20)) {
    if (::GetTickCount() - run.startedAt() > kRunTimeoutMs) {
      ADD_FAILURE() << "Kaptorix.exe " << arguments << " did not end";
      break;
    }
    take();
  }
  result.milliseconds = ::GetTickCount() - run.startedAt();
  result.exitCode = run.ExitCode();
  result.pipeClosed = false;
  for (int i = 0; i < 100 && !result.pipeClosed; ++i) {  // a broken pipe has no writer left
    result.pipeClosed = !take() && ::GetLastError() == ERROR_BROKEN_PIPE;
    if (!result.pipeClosed) ::Sleep(20);
  }
  result.errors = test::ReadAll(streams / "err");
  return result;
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
