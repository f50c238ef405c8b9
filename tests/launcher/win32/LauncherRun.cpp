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
