#pragma once
// Runs the real Kaptorix.exe beside Kaptorix_Key.exe in a fresh folder.

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/win32/ScopedWin.h"
#include "e2e/harness/ChildProcess.h"
#include "e2e/harness/KaptorixRun.h"
#include "support/TempFolder.h"

namespace kx::e2e {

// A KaptorixFolder that also holds a copy of Kaptorix.exe.
class LauncherFolder : public KaptorixFolder {
 public:
  LauncherFolder();
  std::filesystem::path launcher() const { return dir() / L"Kaptorix.exe"; }
  bool HasIni() const;
  // The bytes of "Kaptorix.ini", as they are on disk.
  std::string IniBytes() const;
  // The names of the files in the folder.
  std::vector<std::wstring> Files() const;
};

// One started Kaptorix.exe, its standard output and error going to files;
// killed at the end if it is still running.
class LauncherProcess {
 public:
  LauncherProcess(const LauncherFolder& folder, const std::string& arguments);

  DWORD id() const { return process_.id(); }
  bool WaitForExit(DWORD timeoutMs) const { return process_.WaitForExit(timeoutMs); }
  DWORD ExitCode() const { return process_.ExitCode(); }
  // What the process wrote, as bytes (the ANSI code page).
  std::string Output() const;
  std::string Errors() const;

 private:
  static ChildProcess Start(const LauncherFolder& folder, const std::string& arguments,
                            const test::TempFolder& streams);

  test::TempFolder streams_;
  ChildProcess process_;
};

struct LauncherResult {
  DWORD exitCode;
  std::string output;
  std::string errors;
};

// Runs Kaptorix.exe to its end; a run that does not end in time fails the test.
LauncherResult RunLauncher(const LauncherFolder& folder, const std::string& arguments);

struct PipedResult {
  DWORD exitCode;
  std::string output;
  std::string errors;
  DWORD milliseconds;  // until Kaptorix.exe ended
  // Every end of the output pipe was closed when Kaptorix.exe ended: a
  // script reading it (a shell's $(...)) goes on, whatever still runs.
  bool pipeClosed;
};

// Runs Kaptorix.exe with its standard output on a pipe, as a script would.
PipedResult RunLauncherPiped(const LauncherFolder& folder, const std::string& arguments);

// The main windows of the running copies of Kaptorix_Key.exe.
std::vector<HWND> KeyWindows();

// Ends, the hard way, every Kaptorix_Key.exe still running (clean-up only).
void KillKeyPrograms();

// True when a global atom of that name exists.
bool AtomExists(const std::string& name);

}  // namespace kx::e2e
