// The overlay on the session's display, over a painted window, driven with
// SendInput from a second thread as a user would drive it.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "base/ProductNames.h"
#include "base/win32/Strconv.h"
#include "region/win32/RegionCut.h"
#include "region/win32/RegionOverlay.h"
#include "support/MessagePump.h"

namespace kx::win {
namespace {

constexpr ScreenRect kWindow{200, 150, 520, 390};

std::uint32_t Pattern(std::int32_t x, std::int32_t y) {  // 0xRRGGBB at a client pixel
  return static_cast<std::uint32_t>(((x * 7) & 0xFF) << 16 | ((y * 5) & 0xFF) << 8 |
                                    ((x + y) * 3 & 0xFF));
}

LRESULT CALLBACK PatternProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return ::DefWindowProcW(window, message, wParam, lParam);
  const LONG width = kWindow.right - kWindow.left, height = kWindow.bottom - kWindow.top;
  std::vector<std::uint32_t> pixels;
  for (LONG y = 0; y < height; ++y) {
    for (LONG x = 0; x < width; ++x) pixels.push_back(Pattern(x, y));
  }
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  PAINTSTRUCT paint{};
  const HDC dc = ::BeginPaint(window, &paint);
  ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  ::EndPaint(window, &paint);
  return 0;
}

struct Step {
  enum { Move, Down, Up, Key } what;
  std::int32_t x = 0;  // screen pixel, or the key
  std::int32_t y = 0;
};

void Send(const Step& step) {
  INPUT input{};
  if (step.what == Step::Key) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(step.x);
    ::SendInput(1, &input, sizeof input);
    input.ki.dwFlags = KEYEVENTF_KEYUP;
  } else {
    // The middle of the pixel, in the 0..65535 range across the virtual screen.
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN),
              top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
              height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    input.type = INPUT_MOUSE;
    input.mi.dx = (2 * (step.x - left) + 1) * 65535 / (2 * width);
    input.mi.dy = (2 * (step.y - top) + 1) * 65535 / (2 * height);
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK |
                       (step.what == Step::Move   ? MOUSEEVENTF_MOVE
                        : step.what == Step::Down ? MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN
                                                  : MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP);
  }
  ::SendInput(1, &input, sizeof input);
}

class Painted : public OverlayObserver {
 public:
  void OverlayPainted(std::int64_t) override { painted_ = true; }
  std::atomic<bool> painted_ = false;
};

// Runs the overlay while another thread waits for its first paint, sends the
// steps and, should the overlay still be open a while later, closes it.
RegionOutcome Drive(const std::vector<Step>& steps, const std::optional<ScreenRect>& last,
                    RegionStart start, std::atomic<bool>& timedOut) {
  Painted observer;
  std::atomic<bool> done = false;
  std::thread driver([&] {
    for (int i = 0; i < 500 && !observer.painted_; ++i) ::Sleep(10);
    for (const Step& step : steps) {
      Send(step);
      ::Sleep(60);
    }
    for (int i = 0; i < 300 && !done; ++i) ::Sleep(10);
    if (!done) {
      timedOut = true;
      ::PostMessageW(::FindWindowW(Utf8ToWide(kRegionOverlayClass).c_str(), nullptr), WM_CLOSE, 0,
                     0);
    }
  });
  RegionOutcome outcome = RunRegionOverlay(nullptr, last, start, &observer);
  done = true;
  driver.join();
  timedOut = timedOut || !observer.painted_;
  return outcome;
}

TEST(RegionOverlay, ChoosesWhatTheInputSays) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &PatternProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"KxRegionPattern";
  ::RegisterClassW(&windowClass);
  const HWND window = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"KxRegionPattern", L"",
                                        WS_POPUP | WS_VISIBLE, kWindow.left, kWindow.top,
                                        kWindow.right - kWindow.left, kWindow.bottom - kWindow.top,
                                        nullptr, nullptr, windowClass.hInstance, nullptr);
  ASSERT_TRUE(window);
  ::UpdateWindow(window);

  struct Case {
    const char* name;
    std::vector<Step> steps;
    std::optional<ScreenRect> last;
    RegionStart start;
    RegionEnd end;
    ScreenRect rect;
  };
  constexpr ScreenRect kDragged{240, 180, 401, 301};
  const Case cases[] = {
      {"drag, Enter",
       {{Step::Move, 240, 180},
        {Step::Down, 240, 180},
        {Step::Move, 320, 240},
        {Step::Move, 400, 300},
        {Step::Up, 400, 300},
        {Step::Key, VK_RETURN}},
       std::nullopt,
       RegionStart::Select,
       RegionEnd::Taken,
       kDragged},
      {"click on the window",
       {{Step::Move, 300, 200}, {Step::Down, 300, 200}, {Step::Up, 300, 200}},
       std::nullopt,
       RegionStart::Select,
       RegionEnd::Taken,
       kWindow},
      {"Esc",
       {{Step::Key, VK_ESCAPE}},
       std::nullopt,
       RegionStart::Select,
       RegionEnd::Cancelled,
       {}},
      {"recalled, Enter",
       {{Step::Key, VK_RETURN}},
       kDragged,
       RegionStart::AdjustLast,
       RegionEnd::Taken,
       kDragged},
  };
  for (const Case& c : cases) {
    kx::test::PumpMessagesFor(std::chrono::milliseconds(300));  // the window painted again
    std::atomic<bool> timedOut = false;
    const RegionOutcome outcome = Drive(c.steps, c.last, c.start, timedOut);
    EXPECT_FALSE(timedOut) << c.name;
    ASSERT_EQ(outcome.end, c.end) << c.name;
    if (c.end != RegionEnd::Taken) {
      EXPECT_FALSE(outcome.screen) << c.name;
      continue;
    }
    EXPECT_EQ(outcome.rect, c.rect) << c.name;
    const Picture cut = CutRegion(outcome.screen, outcome.screenArea, outcome.rect);
    ASSERT_EQ(cut.Width(), c.rect.right - c.rect.left) << c.name;
    ASSERT_EQ(cut.Height(), c.rect.bottom - c.rect.top) << c.name;
    int wrong = 0;
    for (std::int32_t y = 0; y < cut.Height(); ++y) {
      for (std::int32_t x = 0; x < cut.Width(); ++x) {
        std::uint32_t pixel = 0;
        std::memcpy(&pixel, cut.SectionRows().Row(y) + 4 * x, sizeof pixel);
        wrong += (pixel & 0xFFFFFF) !=
                 Pattern(c.rect.left + x - kWindow.left, c.rect.top + y - kWindow.top);
      }
    }
    EXPECT_EQ(wrong, 0) << c.name;
  }
  ::DestroyWindow(window);
}

}  // namespace
}  // namespace kx::win
