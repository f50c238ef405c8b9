#include <gtest/gtest.h>

#include "base/win32/ScopedWin.h"
#include "notices/win32/NoticeProbe.h"
#include "notices/win32/Notices.h"

namespace kx::win {
namespace {

using namespace std::chrono_literals;

UniqueWindow MakeWindow(DWORD style, int x, int y, int width, int height) {
  return UniqueWindow(::CreateWindowExW(0, L"STATIC", L"SetTopmost", style, x, y, width, height,
                                        nullptr, nullptr, nullptr, nullptr));
}

RECT RectOf(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(SetTopmost, RaisesIntoTheTopmostBandInPlace) {
  for (const DWORD style : {DWORD{WS_POPUP | WS_BORDER}, DWORD{WS_OVERLAPPEDWINDOW}}) {
    const UniqueWindow window = MakeWindow(style, 100, 120, 240, 90);
    ASSERT_TRUE(window);
    ::ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    kx::test::PumpMessagesFor(100ms);
    const RECT before = RectOf(window.get());

    SetTopmost(window.get());
    kx::test::PumpMessagesFor(100ms);
    EXPECT_TRUE(test::IsTopmost(window.get()));
    EXPECT_TRUE(SameRect(RectOf(window.get()), before));
  }
}

TEST(SetTopmost, NeitherShowsNorActivatesTheWindow) {
  const UniqueWindow active = MakeWindow(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  const UniqueWindow hidden = MakeWindow(WS_POPUP, 200, 200, 100, 100);
  const UniqueWindow shown = MakeWindow(WS_POPUP, 400, 200, 100, 100);
  ASSERT_TRUE(active && hidden && shown);
  ::SetForegroundWindow(active.get());
  ::ShowWindow(shown.get(), SW_SHOWNOACTIVATE);
  kx::test::PumpMessagesFor(100ms);
  ASSERT_EQ(::GetForegroundWindow(), active.get());

  SetTopmost(hidden.get());
  SetTopmost(shown.get());
  kx::test::PumpMessagesFor(100ms);
  EXPECT_FALSE(::IsWindowVisible(hidden.get()));
  EXPECT_TRUE(test::IsTopmost(hidden.get()));
  EXPECT_TRUE(test::IsTopmost(shown.get()));
  EXPECT_EQ(::GetForegroundWindow(), active.get());
}

}  // namespace
}  // namespace kx::win
