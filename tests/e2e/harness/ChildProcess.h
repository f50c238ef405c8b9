#pragma once
// A program started by a test, killed at the end if it is still running.

#include <windows.h>

#include <filesystem>
#include <string>

#include "base/win32/ScopedWin.h"

namespace kx::e2e {

// The folder of the running test program, where the built programs lie.
std::filesystem::path TestProgramDir();

// An inheritable handle on a file, for a child's standard handles.
win::FileHandle InheritableFile(const std::filesystem::path& path, DWORD access, DWORD creation);

class ChildProcess {
 public:
  // Starts `exe` with the argument text `arguments` (UTF-8) in `workDir`. The
  // standard handles are `output` and `errors` when given, else NUL (a child
  // that kept the test's own handles would hold its output pipe open).
  ChildProcess(const std::filesystem::path& exe, const std::string& arguments,
               const std::filesystem::path& workDir, HANDLE output = nullptr,
               HANDLE errors = nullptr);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  DWORD id() const { return id_; }
  // GetTickCount() when the process was created.
  DWORD startedAt() const { return startedAt_; }
  bool WaitForExit(DWORD timeoutMs) const;
  bool Running() const { return !WaitForExit(0); }
  DWORD ExitCode() const;
  // Ends the process by force, as a crash or Task Manager would, and waits for it.
  void Kill() const;

 private:
  win::KernelHandle process_;
  DWORD id_ = 0;
  DWORD startedAt_ = 0;
};

}  // namespace kx::e2e
