// The pieces of the region choice: clipping to monitors, the command line's
// rectangle, snapping, placement of the magnifier and label, and the frame.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "region/AreaOption.h"
#include "region/EdgeSnap.h"
#include "region/FrameAdjust.h"
#include "region/MonitorClip.h"
#include "region/OverlayPlacement.h"

namespace kx {
namespace {

constexpr ScreenRect kPrimary{0, 0, 1920, 1080};
constexpr ScreenRect kLeft{-1280, 200, 0, 1224};  // lower down, left of the primary
const std::vector<Monitor> kMonitors{{kPrimary, true}, {kLeft, false}};

TEST(ClipToMonitors, KeepsWhatLiesOnAMonitor) {
  struct Case {
    const char* name;
    ScreenRect rect;
    std::optional<ScreenRect> expected;
    std::size_t uncovered;
  };
  const Case cases[] = {
      {"inside one", {10, 20, 30, 40}, ScreenRect{10, 20, 30, 40}, 0},
      {"across both", {-100, 100, 100, 300}, ScreenRect{-100, 100, 100, 300}, 1},
      {"past every monitor", {-5000, -5000, 5000, 5000}, ScreenRect{-1280, 0, 1920, 1224}, 2},
      {"in the gap above the left one", {-500, 0, -100, 150}, std::nullopt, 0},
      {"beyond the right", {1920, 0, 2000, 100}, std::nullopt, 0},
      {"of no pixel", {10, 10, 10, 20}, std::nullopt, 0},
  };
  for (const Case& c : cases) {
    const auto area = ClipToMonitors(c.rect, kMonitors);
    ASSERT_EQ(area.has_value(), c.expected.has_value()) << c.name;
    if (!area) continue;
    EXPECT_EQ(area->area, *c.expected) << c.name;
    EXPECT_EQ(area->uncovered.size(), c.uncovered) << c.name;
  }
}

TEST(ParseAreaOption, FourIntegersOrSelect) {
  struct Case {
    const char* text;
    std::optional<ScreenRect> rect;  // nothing: refused, or "select"
    bool select;
  };
  const Case cases[] = {
      {"10,20,30,40", ScreenRect{10, 20, 40, 60}, false},
      {" -1920 , -5,100,\t50 ", ScreenRect{-1920, -5, -1820, 45}, false},
      {"SeLeCt", std::nullopt, true},
      {"1,2,3", std::nullopt, false},
      {"1,2,3,4,5", std::nullopt, false},
      {"1,2,0,4", std::nullopt, false},
      {"1,2,3,-4", std::nullopt, false},
      {"1,2,3,4x", std::nullopt, false},
      {"1,,3,4", std::nullopt, false},
      {"2147483000,0,1000,1", std::nullopt, false},
      {"1,2,99999999999,4", std::nullopt, false},
      {"", std::nullopt, false},
      {"selected", std::nullopt, false},
  };
  for (const Case& c : cases) {
    const auto option = ParseAreaOption(c.text);
    ASSERT_EQ(option.has_value(), c.rect || c.select) << c.text;
    if (!option) continue;
    EXPECT_EQ(option->select, c.select) << c.text;
    if (c.rect) {
      EXPECT_EQ(option->rect, *c.rect) << c.text;
    }
  }
}

TEST(SnapSelection, DraggedEdgesMeetNearbyEdges) {
  const std::vector<ScreenRect> rects{{300, 300, 700, 600}, kPrimary};
  struct Case {
    const char* name;
    ScreenPoint anchor;
    ScreenPoint pointer;
    ScreenRect expected;
  };
  const Case cases[] = {
      {"right edge onto a left edge", {10, 10}, {297, 400}, {10, 10, 300, 401}},
      {"too far to snap", {10, 10}, {280, 400}, {10, 10, 281, 401}},
      {"left and top edges", {900, 900}, {703, 596}, {700, 600, 901, 901}},
      {"pointer not beside the edge", {10, 10}, {297, 700}, {10, 10, 298, 701}},
      {"never past the anchor", {300, 10}, {303, 400}, {300, 10, 304, 401}},
      {"onto the monitor's edge", {1000, 1000}, {1915, 1076}, {1000, 1000, 1920, 1080}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SnapSelection(c.anchor, c.pointer, rects, 8), c.expected) << c.name;
  }
}

TEST(PlaceMagnifier, NearTheFocusInsideItsMonitor) {
  struct Case {
    const char* name;
    ScreenPoint focus;
    ScreenPoint pointer;
    ScreenRect monitor;
    ScreenRect expected;
  };
  const Case cases[] = {
      {"below right", {100, 100}, {100, 100}, kPrimary, {120, 120, 270, 290}},
      {"at the right edge", {1850, 100}, {1850, 100}, kPrimary, {1681, 120, 1831, 290}},
      {"in the bottom right corner", {1850, 1000}, {1850, 1000}, kPrimary, {1681, 811, 1831, 981}},
      {"at the bottom", {100, 1000}, {100, 1000}, kPrimary, {120, 811, 270, 981}},
      {"off the pointer", {500, 500}, {600, 600}, kPrimary, {331, 520, 481, 690}},
      {"monitor left of the primary", {-10, 210}, {-10, 210}, kLeft, {-179, 230, -29, 400}},
      {"monitor smaller than it", {50, 50}, {50, 50}, {0, 0, 100, 100}, {0, 0, 150, 170}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlaceMagnifier({150, 170}, c.focus, c.pointer, c.monitor, 20), c.expected) << c.name;
  }
  EXPECT_EQ(MonitorAt(kMonitors, {-500, 100}, kPrimary), kLeft);
  EXPECT_EQ(MonitorAt({}, {-500, 100}, kPrimary), kPrimary);
}

TEST(PlaceLabel, BesideTheSelection) {
  struct Case {
    ScreenRect selection;
    ScreenRect expected;
  };
  const Case cases[] = {
      {{100, 100, 300, 300}, {100, 76, 220, 96}},        // above
      {{100, 10, 300, 300}, {100, 304, 220, 324}},       // below
      {kPrimary, {4, 4, 124, 24}},                       // inside
      {{1850, 500, 1920, 600}, {1800, 476, 1920, 496}},  // moved left
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlaceLabel({120, 20}, c.selection, kPrimary, 4), c.expected);
  }
}

TEST(FrameAdjust, ZonesUnderThePointer) {
  using Z = FrameZone;
  struct Case {
    ScreenRect frame;
    ScreenPoint point;
    FrameZone expected;
  };
  constexpr ScreenRect kFrame{100, 100, 200, 200};
  const Case cases[] = {
      {kFrame, {150, 150}, Z::Inside},
      {kFrame, {98, 150}, Z::Left},
      {kFrame, {105, 150}, Z::Left},
      {kFrame, {106, 150}, Z::Inside},
      {kFrame, {194, 150}, Z::Right},
      {kFrame, {205, 150}, Z::Right},
      {kFrame, {150, 95}, Z::Top},
      {kFrame, {150, 205}, Z::Bottom},
      {kFrame, {95, 95}, Z::TopLeft},
      {kFrame, {204, 204}, Z::BottomRight},
      {kFrame, {204, 95}, Z::TopRight},
      {kFrame, {95, 204}, Z::BottomLeft},
      {kFrame, {93, 150}, Z::Outside},
      {kFrame, {150, 300}, Z::Outside},
      {{100, 100, 104, 104}, {101, 101}, Z::Inside},
      {{100, 100, 104, 104}, {100, 101}, Z::Left},
      {{100, 100, 101, 101}, {100, 100}, Z::Inside},
      {{100, 100, 101, 101}, {101, 100}, Z::Right},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ZoneAt(c.frame, c.point, 6), c.expected) << c.point.x << "," << c.point.y;
  }
}

TEST(FrameAdjust, MovesAndResizesInsideTheScreen) {
  using Z = FrameZone;
  struct Case {
    FrameZone zone;
    Step by;
    ScreenRect expected;
  };
  const Case cases[] = {
      {Z::Inside, {10, -20}, {110, 80, 210, 180}},
      {Z::Inside, {-500, 0}, {0, 100, 100, 200}},
      {Z::Inside, {5000, 5000}, {1820, 980, 1920, 1080}},
      {Z::Right, {50, 0}, {100, 100, 250, 200}},
      {Z::Right, {-500, 0}, {100, 100, 101, 200}},
      {Z::TopLeft, {-200, -200}, {0, 0, 200, 200}},
      {Z::BottomLeft, {10, 5000}, {110, 100, 200, 1080}},
      {Z::Top, {0, 150}, {100, 199, 200, 200}},
      {Z::Outside, {10, 10}, {100, 100, 200, 200}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DragFrame({100, 100, 200, 200}, c.zone, c.by, kPrimary), c.expected)
        << static_cast<int>(c.zone);
  }
}

}  // namespace
}  // namespace kx
