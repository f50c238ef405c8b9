#include "notices/win32/Notices.h"

#include "base/ProductNames.h"
#include "base/win32/MessageDispatch.h"
#include "base/win32/ProcessInfo.h"
#include "notices/NoticeDesigns.h"
#include "notices/win32/NoticeWindow.h"

namespace kx::win {
namespace {

// A modal loop: dispatches the thread's messages until the window is gone. A
// quit request closes the window and is passed on to the caller's loop.
void WaitUntilClosed(HWND window) {
  MSG message{};
  while (::IsWindow(window)) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      ::DestroyWindow(window);
      if (got == 0) ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchOwnMessage(message);
  }
}

// No exception leaves the callback: a window whose class cannot be read is passed over.
BOOL CALLBACK NoteNotice(HWND window, LPARAM found) {
  try {
    if (!IsNoticeWindow(window)) return TRUE;
  } catch (...) {
    return TRUE;
  }
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

}  // namespace

void ShowResultNotice(const std::string& text) {
  HWND notice = FindNotice(kResultNotice);
  if (notice) {
    SetNoticeText(notice, text);
  } else {
    notice = CreateNotice(kResultNotice, text);
    if (!notice) return;
    ::ShowWindow(notice, SW_SHOWNOACTIVATE);
    ::UpdateWindow(notice);
  }
  WaitUntilClosed(notice);
}

void ShowSaveAbortedNotice() {
  const HWND notice = CreateNotice(kSaveAbortedNotice, std::string(kSaveAbortedText));
  if (notice) ::ShowWindow(notice, SW_SHOW);
}

void ShowPrintErrorNotice() {
  const HWND notice = CreateNotice(kPrintErrorNotice, PrintErrorText(ProgramDir(), kProgramTitle));
  if (!notice) return;
  ::MessageBeep(MB_OK);
  ::ShowWindow(notice, SW_SHOW);
}

bool NoticesOpen() {
  bool found = false;
  ::EnumThreadWindows(::GetCurrentThreadId(), &NoteNotice, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace kx::win
