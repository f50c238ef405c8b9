// The overlay's state machine, fed with input as the window would feed it.

#include "region/RegionSelector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "region/RectMath.h"

namespace kx {
namespace {

constexpr ScreenRect kPrimary{0, 0, 1920, 1080};
constexpr ScreenRect kLeft{-1280, 200, 0, 1224};
constexpr ScreenRect kWindowA{300, 300, 700, 600};  // in front of B
constexpr ScreenRect kWindowB{200, 200, 1000, 800};
constexpr ScreenRect kControl{350, 350, 450, 400};  // inside A
constexpr ScreenRect kLast{20, 30, 120, 130};

class FakePlatform : public OverlayPlatform {
 public:
  BoxSize TextSize(const std::string& text) override {
    return {7 * static_cast<std::int32_t>(text.size()), 14};
  }
  std::uint32_t ColourAt(ScreenPoint p) override {
    return static_cast<std::uint32_t>(((p.x & 0xFF) << 16) | (p.y & 0xFF));
  }
  std::optional<ScreenRect> ControlAt(std::intptr_t window, ScreenPoint point) override {
    if (window == 1 && Contains(kControl, point)) return kControl;
    return std::nullopt;
  }
};

enum class Do { Move, Down, Up, Double, Key, Right, Wheel };
struct Input {
  Do what;
  ScreenPoint at{};
  Key key = Key::Other;
  Modifiers modifiers{};
};
Input Move(std::int32_t x, std::int32_t y, Modifiers m = {}) { return {Do::Move, {x, y}, {}, m}; }
Input Down(std::int32_t x, std::int32_t y, Modifiers m = {}) { return {Do::Down, {x, y}, {}, m}; }
Input Up(std::int32_t x, std::int32_t y, Modifiers m = {}) { return {Do::Up, {x, y}, {}, m}; }
Input Press(Key key, Modifiers m = {}) { return {Do::Key, {}, key, m}; }
constexpr Modifiers kShift{true, false, false};
constexpr Modifiers kCtrl{false, true, false};
constexpr Modifiers kAlt{false, false, true};

void Feed(RegionSelector& selector, const Input& input) {
  switch (input.what) {
    case Do::Move:
      return selector.PointerMove(input.at, input.modifiers);
    case Do::Down:
      return selector.LeftDown(input.at, input.modifiers);
    case Do::Up:
      return selector.LeftUp(input.at, input.modifiers);
    case Do::Double:
      return selector.DoubleClick(input.at, input.modifiers);
    case Do::Key:
      return selector.KeyDown(input.key, input.modifiers);
    case Do::Right:
      return selector.Cancel();
    case Do::Wheel:
      return selector.Wheel(input.at.x);
  }
}

SelectorSetup TwoMonitors(ScreenPoint pointer, bool startWithLast = false) {
  return {{-1280, 0, 1920, 1224},
          {{kPrimary, true}, {kLeft, false}},
          {{1, kWindowA}, {2, kWindowB}},
          pointer,
          kLast,
          startWithLast,
          {}};
}

TEST(RegionSelector, ChoicesEndAsTheUserMeant) {
  struct Case {
    const char* name;
    ScreenPoint start;
    bool startWithLast;
    std::vector<Input> inputs;
    SelectorEnd end;
    ScreenRect taken;
  };
  const Input enter = Press(Key::Enter);
  const Case cases[] = {
      {"drag, Enter",
       {0, 0},
       false,
       {Down(10, 10), Move(50, 40), Up(50, 40), enter},
       SelectorEnd::Taken,
       {10, 10, 51, 41}},
      {"drag up and left",
       {0, 0},
       false,
       {Down(50, 40), Move(10, 10), Up(10, 10), enter},
       SelectorEnd::Taken,
       {10, 10, 51, 41}},
      {"drag across monitors",
       {0, 0},
       false,
       {Down(-100, 100), Up(100, 300), enter},
       SelectorEnd::Taken,
       {-100, 100, 101, 301}},
      {"drag off every monitor",
       {0, 0},
       false,
       {Down(-500, 10), Up(-400, 100), enter},
       SelectorEnd::Empty,
       {}},
      {"drag snaps",
       {0, 0},
       false,
       {Down(10, 10), Up(297, 400), enter},
       SelectorEnd::Taken,
       {10, 10, 300, 401}},
      {"a key moves off the snapped edge",
       {0, 0},
       false,
       {Down(10, 10), Move(297, 400), Press(Key::Left), Move(296, 400), Up(296, 400), enter},
       SelectorEnd::Taken,
       {10, 10, 297, 401}},
      {"no snap with Alt",
       {0, 0},
       false,
       {Down(10, 10), Up(297, 400, kAlt), enter},
       SelectorEnd::Taken,
       {10, 10, 298, 401}},
      {"click on the front window",
       {0, 0},
       false,
       {Down(400, 400), Up(400, 400)},
       SelectorEnd::Taken,
       kWindowA},
      {"small move is a click",
       {0, 0},
       false,
       {Down(400, 400), Move(402, 401), Up(402, 401)},
       SelectorEnd::Taken,
       kWindowA},
      {"click on the window behind",
       {0, 0},
       false,
       {Down(250, 700), Up(250, 700)},
       SelectorEnd::Taken,
       kWindowB},
      {"Ctrl+click on a control",
       {0, 0},
       false,
       {Move(400, 370, kCtrl), Down(400, 370, kCtrl), Up(400, 370, kCtrl)},
       SelectorEnd::Taken,
       kControl},
      {"click on no window",
       {0, 0},
       false,
       {Down(1500, 900), Up(1500, 900)},
       SelectorEnd::Running,
       {}},
      {"Esc",
       {0, 0},
       false,
       {Down(10, 10), Move(50, 40), Press(Key::Escape)},
       SelectorEnd::Cancelled,
       {}},
      {"right button", {0, 0}, false, {Down(10, 10), {Do::Right}}, SelectorEnd::Cancelled, {}},
      {"Enter takes the window under the pointer",
       {400, 400},
       false,
       {enter},
       SelectorEnd::Taken,
       kWindowA},
      {"keyboard selection",
       {10, 10},
       false,
       {Press(Key::Space), Press(Key::Right, kShift), Press(Key::Right, kShift),
        Press(Key::Right, kShift), Press(Key::Down), Press(Key::Down), Press(Key::Space), enter},
       SelectorEnd::Taken,
       {10, 10, 41, 13}},
      {"pointer kept on the screen",
       {1915, 5},
       false,
       {Press(Key::Right, kShift), Press(Key::Space), enter},
       SelectorEnd::Taken,
       {1919, 5, 1920, 6}},
      {"recalled at the start", {0, 0}, true, {enter}, SelectorEnd::Taken, kLast},
      {"recalled with R", {0, 0}, false, {Press(Key::Recall), enter}, SelectorEnd::Taken, kLast},
      {"recalled frame dragged",
       {0, 0},
       true,
       {Down(50, 50), Move(60, 70), Up(60, 70), enter},
       SelectorEnd::Taken,
       {30, 50, 130, 150}},
      {"recalled frame resized by its edge",
       {0, 0},
       true,
       {Down(120, 80), Move(150, 80), Up(150, 80), enter},
       SelectorEnd::Taken,
       {20, 30, 150, 130}},
      {"recalled frame moved and resized by keys",
       {0, 0},
       true,
       {Press(Key::Right), Press(Key::Down, kCtrl), Press(Key::Right, kShift), enter},
       SelectorEnd::Taken,
       {21, 40, 122, 140}},
      {"double click inside the frame",
       {0, 0},
       true,
       {Down(50, 50), Up(50, 50), {Do::Double, {50, 50}}},
       SelectorEnd::Taken,
       kLast},
      {"click outside drops the frame",
       {0, 0},
       true,
       {Down(400, 400), Up(400, 400), enter},
       SelectorEnd::Taken,
       kWindowA},
      {"drag outside replaces the frame",
       {0, 0},
       true,
       {Down(400, 400), Up(500, 450), enter},
       SelectorEnd::Taken,
       {400, 400, 501, 451}},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    RegionSelector selector(TwoMonitors(c.start, c.startWithLast), platform);
    for (const Input& input : c.inputs) Feed(selector, input);
    EXPECT_EQ(selector.End(), c.end) << c.name;
    if (c.end == SelectorEnd::Taken) {
      EXPECT_EQ(selector.Taken().area, c.taken) << c.name;
    }
  }
}

TEST(RegionSelector, ViewShowsSelectionLabelAndMagnifier) {
  FakePlatform platform;
  RegionSelector selector(TwoMonitors({0, 0}), platform);
  for (const Input& input : {Down(10, 10), Move(50, 40)}) Feed(selector, input);
  OverlayView view = selector.View();
  EXPECT_EQ(view.bright, (ScreenRect{10, 10, 51, 41}));
  EXPECT_EQ(view.outlineKind, OutlineKind::Selection);
  EXPECT_EQ(view.crosshair, (ScreenPoint{50, 40}));
  ASSERT_TRUE(view.label && view.magnifier);
  EXPECT_EQ(view.label->text, "10, 10  41 \xC3\x97 31");
  EXPECT_EQ(view.magnifier->caption, "50, 40  #320028");
  EXPECT_EQ(view.magnifier->zoom, 8);
  EXPECT_EQ(view.magnifier->cells, 19);
  EXPECT_FALSE(Contains(view.magnifier->box, {50, 40}));

  struct Zoom {
    std::int32_t notches, zoom, cells;
  };
  for (const Zoom& z : {Zoom{5, 32, 5}, Zoom{-1, 16, 9}, Zoom{-9, 2, 79}}) {
    selector.Wheel(z.notches);
    EXPECT_EQ(selector.View().magnifier->zoom, z.zoom);
    EXPECT_EQ(selector.View().magnifier->cells, z.cells);
  }
  selector.KeyDown(Key::Magnifier, {});
  EXPECT_FALSE(selector.View().magnifier);
  Feed(selector, Up(50, 40));
  view = selector.View();
  EXPECT_EQ(view.outlineKind, OutlineKind::Frame);
  EXPECT_FALSE(view.crosshair);
  Feed(selector, Move(51, 8));
  EXPECT_EQ(selector.View().cursor, CursorShape::SizeNESW);
}

// Paints a view as the painter does, one value per pixel, so that two views
// can be compared pixel by pixel.
std::vector<std::uint64_t> Raster(const OverlayView& view, const ScreenRect& screen) {
  std::vector<std::uint64_t> pixels(static_cast<std::size_t>(Width(screen) * Height(screen)));
  const auto paint = [&](const ScreenRect& rect, std::uint64_t value) {
    const auto part = Intersection(rect, screen);
    for (std::int32_t y = part ? part->top : 0; part && y < part->bottom; ++y) {
      for (std::int32_t x = part->left; x < part->right; ++x) {
        pixels[static_cast<std::size_t>((y - screen.top) * Width(screen) + x - screen.left)] =
            value;
      }
    }
  };
  if (view.bright) paint(*view.bright, 1);
  if (view.outline) {
    const bool frame = view.outlineKind == OutlineKind::Frame;
    for (const auto& strip :
         OutlineStrips(*view.outline, frame ? OutlineKind::Selection : view.outlineKind)) {
      paint(strip, 2);
    }
    for (const auto& grip : frame ? FrameGrips(*view.outline) : std::vector<ScreenRect>{}) {
      paint(grip, 3);
    }
  }
  if (view.crosshair) {
    for (const auto& line : CrosshairLines(*view.crosshair, screen)) paint(line, 4);
  }
  if (view.label) paint(view.label->box, std::hash<std::string>{}(view.label->text));
  if (view.magnifier) {
    const auto& m = *view.magnifier;
    paint(m.box, std::hash<std::string>{}(m.caption) + static_cast<std::uint64_t>(m.zoom));
  }
  return pixels;
}

TEST(DirtyRects, CoverEveryChangedPixelAndOnlyStripsOnAMove) {
  const ScreenRect screen{0, 0, 400, 300};
  const SelectorSetup setup{
      screen, {{screen, true}}, {{1, {50, 50, 200, 150}}}, {10, 10}, {}, false, {}};
  FakePlatform platform;
  RegionSelector selector(setup, platform);
  const std::vector<Input> inputs{Move(60, 60),  Move(250, 250),           Down(20, 20),
                                  Move(30, 30),  Move(300, 200),           Move(301, 202),
                                  Up(301, 202),  Press(Key::Down, kShift), Down(100, 100),
                                  Move(120, 90), Press(Key::Magnifier),    Move(80, 60),
                                  Up(80, 60)};
  OverlayView before = selector.View();
  for (const Input& input : inputs) {
    Feed(selector, input);
    const OverlayView after = selector.View();
    const auto dirty = DirtyRects(before, after, screen);
    const auto old = Raster(before, screen);
    const auto now = Raster(after, screen);
    for (std::int32_t y = 0; y < screen.bottom; ++y) {
      for (std::int32_t x = 0; x < screen.right; ++x) {
        const auto i = static_cast<std::size_t>(y * screen.right + x);
        if (old[i] == now[i]) continue;
        ASSERT_TRUE(std::any_of(dirty.begin(), dirty.end(),
                                [&](const ScreenRect& r) {
                                  return Contains(r, {x, y});
                                }))
            << "pixel " << x << "," << y << " after input " << &input - inputs.data();
      }
    }
    before = after;
  }

  const ScreenRect large{0, 0, 3840, 2160};
  RegionSelector dragging({large, {{large, true}}, {}, {100, 100}, {}, false, {}}, platform);
  for (const Input& input : {Down(100, 100), Move(3000, 2000)}) Feed(dragging, input);
  const OverlayView start = dragging.View();
  Feed(dragging, Move(3001, 2001));
  std::int64_t area = 0;
  for (const ScreenRect& r : DirtyRects(start, dragging.View(), large))
    area += Width(r) * Height(r);
  EXPECT_LT(area, std::int64_t{3840} * 2160 / 50);
}

}  // namespace
}  // namespace kx
