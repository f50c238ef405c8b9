// The screen setting on a desktop of two monitors, as two-monitors-e2e.sh
// lays it out: the primary monitor at (0,0), 1280x1024, and a 1024x768 one
// to its left, nothing below that one.

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "e2e/harness/BmpFile.h"
#include "e2e/harness/KaptorixRun.h"
#include "e2e/harness/RunObserver.h"
#include "e2e/harness/TestWindow.h"
#include "support/MessagePump.h"

namespace kx::e2e {
namespace {

using ::testing::ElementsAre;

constexpr RECT kPrimary{0, 0, 1280, 1024};
constexpr RECT kLeft{-1024, 0, 0, 768};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  ::GetMonitorInfoW(monitor, &info);
  reinterpret_cast<std::vector<RECT>*>(list)->push_back(info.rcMonitor);
  return TRUE;
}

bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class TwoMonitorsE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<RECT> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    ASSERT_EQ(monitors.size(), 2U) << "run through two-monitors-e2e.sh";
    ASSERT_TRUE(Same(monitors[0], kPrimary) || Same(monitors[1], kPrimary));
    ASSERT_TRUE(Same(monitors[0], kLeft) || Same(monitors[1], kLeft));
    std::filesystem::create_directory(folder_ / L"shots");
  }

  // One saving option run with the screen setting and more; its file.
  std::optional<BmpFile> Capture(const std::string& settings, const std::string& options = "") {
    std::filesystem::remove(folder_ / L"shots" / L"KX001.BMP");
    folder_.WriteIni("[FILE]" + folder_.Utf8Path(L"shots") + "\r\n" + settings);
    test::PumpMessagesFor(std::chrono::milliseconds(100));
    const RunRecord record = RunToEnd(folder_, "Kaptorix /KIND=2" + options);
    EXPECT_THAT(record.shown, ElementsAre("notice 保存成功")) << settings;
    return ReadBmpFile(folder_ / L"shots" / L"KX001.BMP");
  }

  KaptorixFolder folder_;
};

// A red window on the left monitor, a green one on the primary; the
// pointer, then the foreground window, decides which monitor is taken.
TEST_F(TwoMonitorsE2E, EachSettingTakesItsMonitor) {
  const TestWindow left(-900, 100, 300, 200, 0xFF0000, 0xFF0000);
  const TestWindow primary(200, 200, 300, 200, 0x00FF00, 0x00FF00);
  struct Case {
    const char* name;
    const char* setting;
    POINT pointer;
    HWND foreground;
    std::int32_t width, height;
    std::int32_t x, y;  // a pixel of the picture and its colour
    std::uint32_t colour;
  };
  const Case cases[] = {
      {"primary", "[GMEN]0", {-500, 50}, left.hwnd(), 1280, 1024, 210, 210, 0x00FF00},
      {"pointer on the left", "[GMEN]1", {-500, 50}, primary.hwnd(), 1024, 768, 124, 110, 0xFF0000},
      {"pointer on the primary",
       "[GMEN]1",
       {600, 600},
       left.hwnd(),
       1280,
       1024,
       210,
       210,
       0x00FF00},
      {"window on the left", "[GMEN]2", {600, 600}, left.hwnd(), 1024, 768, 124, 110, 0xFF0000},
      {"window on the primary",
       "[GMEN]2",
       {-500, 50},
       primary.hwnd(),
       1280,
       1024,
       210,
       210,
       0x00FF00},
      {"all", "[GMEN]3", {600, 600}, primary.hwnd(), 2304, 1024, 1024 + 210, 210, 0x00FF00},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(::SetCursorPos(c.pointer.x, c.pointer.y));
    ::SetForegroundWindow(c.foreground);
    const auto saved = Capture(std::string(c.setting) + "\r\n");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->width, c.width);
    EXPECT_EQ(saved->height, c.height);
    EXPECT_EQ(saved->Pixel(c.x, c.y), c.colour);
    if (c.width == 2304) {
      EXPECT_EQ(saved->Pixel(124, 110), 0xFF0000U) << "the left monitor";
    }
  }
}

// A white window reaching below the left monitor: on the picture of all
// monitors, what no monitor shows is black.
TEST_F(TwoMonitorsE2E, AllMonitorsAreBlackWhereNoneShows) {
  const TestWindow straddling(-800, 600, 300, 300, 0xFFFFFF, 0xFFFFFF);
  ::SetWindowPos(straddling.hwnd(), nullptr, -800, 600, 300, 300, SWP_NOZORDER | SWP_NOACTIVATE);
  test::PumpMessagesFor(std::chrono::milliseconds(200));
  ASSERT_EQ(straddling.Rect().bottom, 900);
  const auto saved = Capture("[GMEN]3\r\n");
  ASSERT_TRUE(saved);
  ASSERT_EQ(saved->width, 2304);
  EXPECT_EQ(saved->Pixel(300, 700), 0xFFFFFFU) << "on the left monitor";
  EXPECT_EQ(saved->Pixel(300, 767), 0xFFFFFFU);
  int lit = 0;
  for (int y = 768; y < 1024; ++y) {
    for (int x = 0; x < 1024; ++x) lit += saved->Pixel(x, y) != 0 ? 1 : 0;
  }
  EXPECT_EQ(lit, 0);
}

TEST_F(TwoMonitorsE2E, AreaIsCutToTheMonitorsItCovers) {
  const TestWindow white(-200, 600, 400, 300, 0xFFFFFF, 0xFFFFFF);
  ::SetWindowPos(white.hwnd(), nullptr, -200, 600, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
  test::PumpMessagesFor(std::chrono::milliseconds(200));
  const auto across = Capture("", " /AREA=-1100,700,1200,100");
  ASSERT_TRUE(across && across->width == 1124 && across->height == 100) << "from x -1024 on";
  EXPECT_EQ(across->Pixel(1124 - 150, 10), 0xFFFFFFU) << "(-50,710) on the left monitor";
  EXPECT_EQ(across->Pixel(1124 - 50, 90), 0xFFFFFFU) << "(50,790) on the primary";
  EXPECT_EQ(across->Pixel(1124 - 150, 90), 0U) << "(-50,790) on no monitor";
}

// The pointer is drawn where it stands on the monitor taken.
TEST_F(TwoMonitorsE2E, PointerIsDrawnWhereItStandsOnTheMonitorTaken) {
  const TestWindow white(-1000, 200, 800, 400, 0xFFFFFF, 0xFFFFFF);
  ASSERT_TRUE(::SetCursorPos(-500, 300));
  test::PumpMessagesFor(std::chrono::milliseconds(100));
  const auto saved = Capture("[GMEN]1\r\n[MOUS]1\r\n");
  ASSERT_TRUE(saved);
  ASSERT_EQ(saved->width, 1024);
  int drawn = 0;
  for (int y = 300; y < 332; ++y) {
    for (int x = 524; x < 556; ++x) drawn += saved->Pixel(x, y) != 0xFFFFFFU ? 1 : 0;
  }
  EXPECT_GT(drawn, 20) << "the arrow below and right of the pointer";
  EXPECT_EQ(saved->Pixel(523, 299), 0xFFFFFFU) << "nothing above and left of it";
}

}  // namespace
}  // namespace kx::e2e
