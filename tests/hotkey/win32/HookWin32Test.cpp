#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/KeyBusy.h"
#include "base/win32/Strconv.h"
#include "hotkey/MessageHook.h"
#include "hotkey/win32/Win32WindowServices.h"
#include "support/TestWindow.h"

namespace kx::win {
namespace {

using test::TestWindow;

class Target final : public MessageTarget {
 public:
  std::intptr_t HandleMessage(WindowHandle&, std::uint32_t& message, std::uintptr_t&,
                              std::intptr_t& lParam, bool& handled) override {
    received.push_back(message);
    if (message == WM_USER + 1) {
      handled = true;
      return 77;
    }
    if (message == WM_USER + 2) lParam = 9;
    return 0;
  }
  std::vector<std::uint32_t> received;
};

HANDLE PropertyOf(const TestWindow& window) {
  const std::string name = std::to_string(ToWindowHandle(window.get()));
  return ::GetPropW(window.get(), Utf8ToWide(name).c_str());
}

TEST(Win32Hook, SubclassesTheRealWindowUntilTheLastTargetLeaves) {
  TestWindow window;
  ::ShowWindow(window.get(), SW_SHOWNOACTIVATE);  // for paint requests
  Win32WindowServices services;
  const WindowHandle handle = ToWindowHandle(window.get());
  Target target;
  ASSERT_TRUE(MessageHook::Create(services)->AddTarget(target, handle));
  EXPECT_NE(window.CurrentProcedure(), TestWindow::OwnProcedure());
  EXPECT_NE(PropertyOf(window), nullptr);

  EXPECT_EQ(::SendMessageW(window.get(), WM_USER + 1, 0, 0), 77);
  EXPECT_TRUE(window.Seen(WM_USER + 1).empty());
  EXPECT_EQ(::SendMessageW(window.get(), WM_USER + 2, 5, 6), TestWindow::kOwnResult);
  ASSERT_EQ(window.Seen(WM_USER + 2).size(), 1U);
  EXPECT_EQ(window.Seen(WM_USER + 2)[0].wParam, 5U);
  EXPECT_EQ(window.Seen(WM_USER + 2)[0].lParam, 9);

  {
    const KeyBusyScope busy;
    EXPECT_EQ(::SendMessageW(window.get(), WM_USER + 3, 0, 0), 0);
    ::InvalidateRect(window.get(), nullptr, FALSE);
    ASSERT_TRUE(::GetUpdateRect(window.get(), nullptr, FALSE));
    ::SendMessageW(window.get(), WM_PAINT, 0, 0);
    EXPECT_FALSE(::GetUpdateRect(window.get(), nullptr, FALSE)) << "a paint request validates";
  }
  EXPECT_TRUE(window.Seen(WM_USER + 3).empty());
  EXPECT_TRUE(window.Seen(WM_PAINT).empty());
  EXPECT_EQ(target.received, (std::vector<std::uint32_t>{WM_USER + 1, WM_USER + 2}));

  ASSERT_TRUE(MessageHook::HookOf(handle)->RemoveTarget(target));
  EXPECT_EQ(window.CurrentProcedure(), TestWindow::OwnProcedure());
  EXPECT_EQ(PropertyOf(window), nullptr);
  EXPECT_EQ(::SendMessageW(window.get(), WM_USER + 1, 0, 0), TestWindow::kOwnResult);
  EXPECT_EQ(target.received.size(), 2U);
}

}  // namespace
}  // namespace kx::win
