#pragma once
// Looking at notice windows from a test: finding them, reading them back,
// letting the thread's message loop run.

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>
#include "support/MessagePump.h"

namespace kx::win::test {

using Clock = std::chrono::steady_clock;

std::vector<HWND> ThreadWindowsOfClass(DWORD threadId, const std::wstring& className);
std::wstring WindowText(HWND window);
HWND ChildOfClass(HWND parent, const wchar_t* className);
bool IsTopmost(HWND window);
// Distance in pixels between the window's centre and the screen's, each axis.
POINT OffCentre(HWND window);
LOGFONTW FontOf(HWND control);
// Whether the control's text, in its font, fits inside its client area.
bool TextFits(HWND control);

struct Ink {
  int marked = 0;  // pixels that differ from the window background
  int pureRed = 0;
};
Ink InkOf(HWND control);

// The folder of the running test program, as Windows reports it.
std::wstring OwnFolder();

// Records, for every notice window this thread shows while the recorder
// exists, its caption and label text at the moment it becomes visible.
class ShowRecorder {
 public:
  struct Shown {
    std::wstring className;
    std::wstring caption;
    std::wstring label;
  };

  ShowRecorder();
  ~ShowRecorder();
  ShowRecorder(const ShowRecorder&) = delete;
  ShowRecorder& operator=(const ShowRecorder&) = delete;

  const std::vector<Shown>& shown() const { return shown_; }

 private:
  static LRESULT CALLBACK OnCallWndProc(int code, WPARAM wParam, LPARAM lParam);
  static thread_local ShowRecorder* active_;
  HHOOK hook_;
  std::vector<Shown> shown_;
};

}  // namespace kx::win::test
