#pragma once
// Watches one run of the program to its end: what it showed, in order, with
// every message box confirmed with OK as soon as it was read.

#include <windows.h>

#include <string>
#include <vector>

#include "e2e/harness/KaptorixRun.h"

namespace kx::e2e {

struct RunRecord {
  // "notice <label>" for the result notice, "aborted <caption>" for the
  // save-aborted notice, "print error" for the print-error notice (closed
  // with OK), "box <title>: <text>" for a message box.
  std::vector<std::string> shown;
  bool ended = false;
  DWORD exitCode = STILL_ACTIVE;
  DWORD milliseconds = 0;  // from the process's start to the end of watching
  DWORD firstShownMs = 0;  // from the process's start to the first window shown
};

// Starts the program in `folder` and watches it until it ends or `timeoutMs`.
RunRecord RunToEnd(const KaptorixFolder& folder, const std::string& arguments,
                   DWORD timeoutMs = 30000);

// Watches a running program for `milliseconds`.
RunRecord Watch(const KaptorixProcess& run, DWORD milliseconds);

}  // namespace kx::e2e
