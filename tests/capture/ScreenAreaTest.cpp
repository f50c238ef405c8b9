#include "capture/ScreenArea.h"

#include <gtest/gtest.h>

#include <vector>

namespace kx {
namespace {

// The primary monitor, a smaller one to its left and lower down, and a
// third above the primary's right half; listed with the primary in the middle.
constexpr ScreenRect kLeft{-1280, 200, 0, 1224};
constexpr ScreenRect kPrimary{0, 0, 1920, 1080};
constexpr ScreenRect kAbove{960, -768, 1984, 0};
const std::vector<Monitor> kMonitors{{kLeft, false}, {kPrimary, true}, {kAbove, false}};

ScreenRect AreaOf(Screen screen, ScreenPoint pointer, std::optional<ScreenRect> window,
                  const std::vector<Monitor>& monitors = kMonitors) {
  const auto chosen = ChooseScreenArea(screen, monitors, pointer, window);
  EXPECT_TRUE(chosen);
  return chosen ? chosen->area : ScreenRect{};
}

TEST(ChooseScreenArea, OneMonitorByPointerOrWindow) {
  struct Case {
    const char* name;
    Screen screen;
    ScreenPoint pointer;
    std::optional<ScreenRect> window;
    ScreenRect expected;
  };
  const Case cases[] = {
      {"primary", Screen::Primary, {-5, 300}, ScreenRect{-900, 300, -100, 900}, kPrimary},
      {"pointer on the left", Screen::UnderPointer, {-1, 200}, std::nullopt, kLeft},
      {"pointer at a right edge", Screen::UnderPointer, {1919, 1079}, std::nullopt, kPrimary},
      {"pointer above", Screen::UnderPointer, {1983, -768}, std::nullopt, kAbove},
      {"pointer in the gap above the left one",
       Screen::UnderPointer,
       {-300, 100},
       std::nullopt,
       kLeft},
      {"pointer just left of the primary",
       Screen::UnderPointer,
       {-10, 150},
       std::nullopt,
       kPrimary},
      {"pointer below the primary", Screen::UnderPointer, {1500, 1300}, std::nullopt, kPrimary},
      {"window on the left",
       Screen::OfForegroundWindow,
       {0, 0},
       ScreenRect{-900, 300, -100, 900},
       kLeft},
      {"window mostly on the primary",
       Screen::OfForegroundWindow,
       {-500, 500},
       ScreenRect{-100, 400, 500, 600},
       kPrimary},
      {"window mostly above",
       Screen::OfForegroundWindow,
       {0, 0},
       ScreenRect{1000, -500, 1500, 100},
       kAbove},
      {"window off every monitor",
       Screen::OfForegroundWindow,
       {0, 0},
       ScreenRect{-3000, 400, -2000, 600},
       kLeft},
      {"no window", Screen::OfForegroundWindow, {-500, 500}, std::nullopt, kPrimary},
      {"window of no size",
       Screen::OfForegroundWindow,
       {0, 0},
       ScreenRect{-500, 500, -500, 600},
       kPrimary},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AreaOf(c.screen, c.pointer, c.window), c.expected) << c.name;
  }
  // Across a gap, the nearest is the least squared count of pixels apart, edges
  // included: 4 across beats 3 and 3 diagonally, also when listed second.
  const ScreenRect across{0, 0, 97, 200};
  const ScreenRect diagonal{103, 53, 300, 300};
  EXPECT_EQ(AreaOf(Screen::UnderPointer, {100, 50}, std::nullopt, {{diagonal}, {across}}), across);
}

TEST(ChooseScreenArea, AllMonitorsWithWhatNoneCoversListed) {
  const auto all = ChooseScreenArea(Screen::AllMonitors, kMonitors, {}, std::nullopt);
  ASSERT_TRUE(all);
  EXPECT_EQ(all->area, (ScreenRect{-1280, -768, 1984, 1224}));
  EXPECT_EQ(all->uncovered,
            (std::vector<ScreenRect>{{-1280, -768, 960, 0},  // left of the one above
                                     {-1280, 0, 0, 200},     // above the left one
                                     {1920, 0, 1984, 200},   // right of the primary
                                     {1920, 200, 1984, 1080},
                                     {0, 1080, 1984, 1224}}));  // below the primary

  const auto one = ChooseScreenArea(Screen::AllMonitors, {{{kPrimary, false}}}, {}, std::nullopt);
  ASSERT_TRUE(one);
  EXPECT_EQ(one->area, kPrimary);
  EXPECT_TRUE(one->uncovered.empty());
}

TEST(ChooseScreenArea, WithoutAUsableMonitorNothing) {
  EXPECT_FALSE(ChooseScreenArea(Screen::Primary, {}, {}, std::nullopt));
  const std::vector<Monitor> empty{{{0, 0, 0, 1080}, true}};
  EXPECT_FALSE(ChooseScreenArea(Screen::AllMonitors, empty, {}, std::nullopt));
  // Monitors of no size are passed over; without a mark the one at the origin is primary.
  const std::vector<Monitor> unmarked{{{0, 0, 0, 0}, true}, kMonitors[2], {kPrimary, false}};
  EXPECT_EQ(AreaOf(Screen::Primary, {}, std::nullopt, unmarked), kPrimary);
  // A monitor that ends at the origin does not hold it.
  const std::vector<Monitor> touching{{{-800, -600, 0, 0}}, {{0, -600, 800, 0}}, {kPrimary}};
  EXPECT_EQ(AreaOf(Screen::Primary, {}, std::nullopt, touching), kPrimary);
  const std::vector<Monitor> huge{{{-2147483647 - 1, 0, 0, 10}, true}, {{0, 0, 2147483647, 10}}};
  EXPECT_FALSE(ChooseScreenArea(Screen::AllMonitors, huge, {}, std::nullopt));
  EXPECT_TRUE(ChooseScreenArea(Screen::UnderPointer, huge, {}, std::nullopt));
}

}  // namespace
}  // namespace kx
