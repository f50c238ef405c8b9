// Appends numbered records to an error log, for the test of two programs
// writing at once:
//
//   error_log_writer <log> <tag> <count> <ready semaphore> <start event>
//
// Each record is fourteen lines "<tag> <number> <line>". The writer releases
// the semaphore once, waits for the event, then appends its records one by
// one. Exit code 0, or 2 for bad arguments, 3 when the start never came.

#include <windows.h>

#include <string>

#include "actions/win32/ErrorLog.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 6) return 2;
  const std::string log = kx::win::WideToUtf8(argv[1]);
  const std::string tag = kx::win::WideToUtf8(argv[2]);
  const int count = std::stoi(argv[3]);
  const kx::win::KernelHandle ready(::OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, argv[4]));
  const kx::win::KernelHandle start(::OpenEventW(SYNCHRONIZE, FALSE, argv[5]));
  if (!ready || !start) return 2;
  ::ReleaseSemaphore(ready.get(), 1, nullptr);
  if (::WaitForSingleObject(start.get(), 30000) != WAIT_OBJECT_0) return 3;
  for (int number = 0; number < count; ++number) {
    std::string record;
    for (int line = 1; line <= 14; ++line) {
      if (line > 1) record += "\r\n";
      record += tag + " " + std::to_string(number) + " " + std::to_string(line);
    }
    kx::win::AppendErrorLogAt(log, record);
  }
  return 0;
}
