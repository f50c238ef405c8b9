// The region overlay on this display, driven with SendInput from a second
// thread. Prints:
//   open    the time from the call to the overlay's first paint, and to its
//           dimmed picture read back from the screen (median and worst of
//           PRESSES presses, 50 unless given)
//   move    during a drag, the time from a pointer move sent to its paint,
//           and to the crosshair read back from the screen at its new place,
//           with the pixels each move repainted (medians of 50 moves)
//   take    Enter on a frame of the whole screen and of its middle quarter
//           to the cut picture, beside a capture of the same area
//   memory  the working set and private bytes before any overlay, after the
//           first, while the second is open, after the last has closed, and
//           the peak, beside the frozen picture's size
// Figures only: nothing here passes or fails.

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "capture/win32/ScreenCapture.h"
#include "region/win32/RegionCut.h"
#include "region/win32/RegionOverlay.h"

namespace {

using kx::ScreenRect;
using namespace kx::win;

constexpr COLORREF kBackground = RGB(200, 100, 60);  // of the window behind the overlay
constexpr COLORREF kDimmed = RGB(100, 50, 30);
constexpr COLORREF kCrosshair = RGB(0, 162, 255);  // the overlay's accent colour
constexpr int kMoves = 50;
constexpr DWORD kReadBackTimeoutMs = 2000;

double NowMs() {
  LARGE_INTEGER count{}, frequency{};
  ::QueryPerformanceCounter(&count);
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Worst(const std::vector<double>& values) {
  return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

struct Memory {  // MiB; Wine reports no private bytes (it gives the swap used)
  double workingSet = 0;
  double privateBytes = 0;
  double peakWorkingSet = 0;
};

Memory MemoryNow() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(),
                         reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  return {static_cast<double>(counters.WorkingSetSize) / 1048576.0,
          static_cast<double>(counters.PrivateUsage) / 1048576.0,
          static_cast<double>(counters.PeakWorkingSetSize) / 1048576.0};
}

void SendMouse(int x, int y, DWORD buttons) {
  const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (2 * (x - left) + 1) * 65535 / (2 * width);
  input.mi.dy = (2 * (y - top) + 1) * 65535 / (2 * height);
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | MOUSEEVENTF_MOVE | buttons;
  ::SendInput(1, &input, sizeof input);
}

void SendKey(WORD key) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = key;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, inputs, sizeof inputs[0]);
}

// Waits until the screen shows `colour` at (x, y); false when it did not
// within the time.
bool ScreenShows(int x, int y, COLORREF colour) {
  const HDC screen = ::GetDC(nullptr);
  const double end = NowMs() + kReadBackTimeoutMs;
  bool shown = false;
  while (!(shown = ::GetPixel(screen, x, y) == colour) && NowMs() < end) ::Sleep(1);
  ::ReleaseDC(nullptr, screen);
  return shown;
}

class Paints : public OverlayObserver {
 public:
  void OverlayPainted(std::int64_t pixels) override {
    const double now = NowMs();
    if (count == 0) firstMs = now;
    lastMs = now;
    lastPixels = pixels;
    ++count;
  }
  std::atomic<int> count = 0;
  std::atomic<double> firstMs = 0;
  std::atomic<double> lastMs = 0;
  std::atomic<std::int64_t> lastPixels = 0;
};

bool WaitFor(const std::function<bool()>& done) {
  const double end = NowMs() + kReadBackTimeoutMs;
  while (!done()) {
    if (NowMs() > end) return false;
    ::Sleep(1);
  }
  return true;
}

// One overlay run on this thread while `drive` runs on another.
RegionOutcome RunDriven(Paints& paints, const std::optional<ScreenRect>& last, RegionStart start,
                        const std::function<void()>& drive) {
  std::thread driver([&] {
    WaitFor([&] { return paints.count > 0; });
    drive();
  });
  RegionOutcome outcome = RunRegionOverlay(nullptr, last, start, &paints);
  driver.join();
  return outcome;
}

void Pump(DWORD milliseconds) {
  const double end = NowMs() + milliseconds;
  MSG message{};
  while (NowMs() < end) {
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
    ::Sleep(5);
  }
}

LRESULT CALLBACK BackgroundProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) {
    RECT client{};
    ::GetClientRect(window, &client);
    const HBRUSH brush = ::CreateSolidBrush(kBackground);
    ::FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
    ::DeleteObject(brush);
    return 1;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  const int presses = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  std::printf("screen %dx%d\n", width, height);

  // A window of one colour over the top-left quarter, the pointer away from it.
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &BackgroundProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"KxRegionBench";
  ::RegisterClassW(&windowClass);
  const HWND background =
      ::CreateWindowExW(WS_EX_TOOLWINDOW, L"KxRegionBench", L"", WS_POPUP | WS_VISIBLE, 0, 0,
                        width / 2, height / 2, nullptr, nullptr, windowClass.hInstance, nullptr);
  Pump(500);
  ::SetCursorPos(width * 3 / 4, height * 3 / 4);
  const Memory before = MemoryNow();

  // Open: PRESSES presses, each closed with Esc.
  std::vector<double> toPaint, toScreen;
  Memory open, warm;  // while the second is open; after the first (code and fonts loaded)
  int unseen = 0;
  for (int press = 0; press < presses; ++press) {
    Paints paints;
    double seen = 0;
    const double start = NowMs();
    RunDriven(paints, std::nullopt, RegionStart::Select, [&] {
      if (ScreenShows(width / 8, height / 8, kDimmed)) seen = NowMs();
      if (press == 1 || presses == 1) open = MemoryNow();
      SendKey(VK_ESCAPE);
    });
    if (paints.count > 0) toPaint.push_back(paints.firstMs - start);
    if (seen > 0) toScreen.push_back(seen - start);
    unseen += seen > 0 ? 0 : 1;
    Pump(100);  // the window behind painted again
    if (press == 0) warm = MemoryNow();
  }
  std::printf(
      "open: call to first paint median %.1f ms (worst %.1f); to the screen median %.1f ms "
      "(worst %.1f); %d of %d presses not seen on the screen\n",
      Median(toPaint), Worst(toPaint), Median(toScreen), Worst(toScreen), unseen, presses);

  // Move: a drag from a tenth of the screen to its middle, then moves of one
  // pixel down and right.
  std::vector<double> moveToPaint, moveToScreen, movePixels;
  {
    Paints paints;
    RunDriven(paints, std::nullopt, RegionStart::Select, [&] {
      SendMouse(width / 10, height / 10, MOUSEEVENTF_LEFTDOWN);
      SendMouse(width / 2, height / 2, 0);
      ::Sleep(300);
      for (int move = 1; move <= kMoves; ++move) {
        const int painted = paints.count;
        const int x = width / 2 + move;
        const double sent = NowMs();
        SendMouse(x, height / 2 + move, 0);
        if (!WaitFor([&] { return paints.count > painted; })) continue;
        moveToPaint.push_back(paints.lastMs - sent);
        movePixels.push_back(static_cast<double>(paints.lastPixels));
        if (ScreenShows(x, 2, kCrosshair)) moveToScreen.push_back(NowMs() - sent);
      }
      SendMouse(width / 2 + kMoves, height / 2 + kMoves, MOUSEEVENTF_LEFTUP);
      SendKey(VK_ESCAPE);
    });
  }
  std::printf(
      "move: sent to painted median %.2f ms (worst %.2f); to the screen median %.2f ms "
      "(worst %.2f); pixels repainted per move median %.0f (%.2f%% of the screen); "
      "%zu of %d moves seen\n",
      Median(moveToPaint), Worst(moveToPaint), Median(moveToScreen), Worst(moveToScreen),
      Median(movePixels), 100.0 * Median(movePixels) / (double{1} * width * height),
      moveToScreen.size(), kMoves);
  Pump(100);

  // Take: Enter on a frame of the whole screen, and of its middle quarter,
  // to the cut picture; beside it a capture of the screen of the same area.
  for (const ScreenRect& frame :
       {ScreenRect{0, 0, width, height},
        ScreenRect{width / 4, height / 4, width / 4 + width / 2, height / 4 + height / 2}}) {
    std::vector<double> closed, cut, capture;
    for (int run = 0; run < 9; ++run) {
      Paints paints;
      double entered = 0;
      RegionOutcome outcome = RunDriven(paints, frame, RegionStart::AdjustLast, [&] {
        ::Sleep(300);  // the overlay is shown and waits, as it would for a user
        entered = NowMs();
        SendKey(VK_RETURN);
      });
      const double back = NowMs();
      const Picture picture = CutRegion(outcome.screen, outcome.screenArea, outcome.rect);
      if (picture) {
        closed.push_back(back - entered);
        cut.push_back(NowMs() - back);
      }
      outcome = {};
      Pump(100);
      const double start = NowMs();
      const Picture copy = CopyScreenArea({frame, {}});
      if (copy) capture.push_back(NowMs() - start);
    }
    std::printf(
        "take %dx%d: Enter to cut picture median %.1f ms (the overlay closed %.1f, the cut "
        "%.1f); screen capture of the same area median %.1f ms\n",
        frame.right - frame.left, frame.bottom - frame.top, Median(closed) + Median(cut),
        Median(closed), Median(cut), Median(capture));
  }

  Pump(500);
  const Memory after = MemoryNow();
  const double screenMiB = 4.0 * width * height / 1048576.0;
  std::printf(
      "memory: working set before %.1f MiB, after the first overlay %.1f MiB, open %.1f MiB, "
      "after all %.1f MiB (%+.1f from before), peak %.1f MiB; private bytes before %.1f MiB, "
      "open %.1f MiB, after %.1f MiB; frozen picture %.1f MiB; open minus after the first, in "
      "screen-sized buffers: %.2f\n",
      before.workingSet, warm.workingSet, open.workingSet, after.workingSet,
      after.workingSet - before.workingSet, after.peakWorkingSet, before.privateBytes,
      open.privateBytes, after.privateBytes, screenMiB,
      (open.workingSet - warm.workingSet) / screenMiB);
  ::DestroyWindow(background);
  return 0;
}
