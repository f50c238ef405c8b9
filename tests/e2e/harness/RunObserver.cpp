#include "e2e/harness/RunObserver.h"

#include <set>

#include "base/ProductNames.h"
#include "e2e/harness/WindowProbe.h"
#include "support/MessagePump.h"

namespace kx::e2e {
namespace {

constexpr DWORD kPollMs = 5;

// Records each window of the process once, and confirms boxes and the
// print-error notice.
void Observe(const KaptorixProcess& run, std::set<HWND>& seen, RunRecord& record) {
  for (HWND window : TopLevelWindows(run.id())) {
    if (!::IsWindowVisible(window) || seen.count(window) > 0) continue;
    const std::string className = ClassName(window);
    std::string entry;
    if (className == kResultNoticeClass) {
      entry = "notice " + ChildTexts(window);
    } else if (className == kSaveAbortedNoticeClass) {
      entry = "aborted " + WindowText(window);
    } else if (className == kPrintErrorNoticeClass) {
      entry = "print error";
      PressOk(window);
    } else if (className == "#32770") {
      entry = "box " + WindowText(window) + ": " + MessageBoxText(window);
      PressOk(window);
    } else {
      continue;
    }
    seen.insert(window);
    if (record.shown.empty()) record.firstShownMs = ::GetTickCount() - run.startedAt();
    record.shown.push_back(entry);
  }
}

}  // namespace

RunRecord Watch(const KaptorixProcess& run, DWORD milliseconds) {
  RunRecord record;
  std::set<HWND> seen;
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < milliseconds) {
    Observe(run, seen, record);
    test::PumpMessagesFor(std::chrono::milliseconds(0));
    if (run.WaitForExit(kPollMs)) {
      record.ended = true;
      record.exitCode = run.ExitCode();
      break;
    }
  }
  record.milliseconds = ::GetTickCount() - run.startedAt();
  return record;
}

RunRecord RunToEnd(const KaptorixFolder& folder, const std::string& arguments, DWORD timeoutMs) {
  const KaptorixProcess run(folder, arguments);
  return Watch(run, timeoutMs);
}

}  // namespace kx::e2e
