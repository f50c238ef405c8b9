#include "capture/Palettes.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (r << 16) | (g << 8) | b;
}

constexpr std::array<std::uint32_t, 2> kMonochrome = {Rgb(0, 0, 0), Rgb(255, 255, 255)};

// The standard VGA order, as the 16-colour device-independent bitmaps use it.
constexpr std::array<std::uint32_t, 16> kVga = {
    Rgb(0, 0, 0),       Rgb(128, 0, 0),   Rgb(0, 128, 0),   Rgb(128, 128, 0),
    Rgb(0, 0, 128),     Rgb(128, 0, 128), Rgb(0, 128, 128), Rgb(192, 192, 192),
    Rgb(128, 128, 128), Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(255, 255, 0),
    Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 255)};

constexpr std::array<std::uint32_t, 6> kCubeLevels = {0, 51, 102, 153, 204, 255};

// Greys i * 255 / 33 rounded, for i = 1..32: none is a grey of the cube or of VGA.
constexpr std::array<std::uint32_t, 32> kGreyRamp = {
    8,   15,  23,  31,  39,  46,  54,  62,  70,  77,  85,  93,  100, 108, 116, 124,
    131, 139, 147, 155, 162, 170, 178, 185, 193, 201, 209, 216, 224, 232, 240, 247};

// VGA first (so the 16-colour palette is its prefix), then every cube colour
// not yet present in red-green-blue order, then the grey ramp.
struct FullPalette {
  std::array<std::uint32_t, 256> colours{};
  std::size_t count = 0;
};

constexpr FullPalette BuildFullPalette() {
  FullPalette built;
  auto& palette = built.colours;
  auto& count = built.count;
  const auto add = [&](std::uint32_t colour) {
    const std::size_t stored = std::min(count, palette.size());
    const auto end = palette.begin() + static_cast<std::ptrdiff_t>(stored);
    if (std::find(palette.begin(), end, colour) != end) return;
    if (count < palette.size()) palette[count] = colour;
    ++count;
  };
  for (const std::uint32_t colour : kVga) add(colour);
  for (const std::uint32_t r : kCubeLevels) {
    for (const std::uint32_t g : kCubeLevels) {
      for (const std::uint32_t b : kCubeLevels) add(Rgb(r, g, b));
    }
  }
  for (const std::uint32_t grey : kGreyRamp) add(Rgb(grey, grey, grey));
  return built;
}

constexpr FullPalette kFull = BuildFullPalette();
static_assert(kFull.count == kFull.colours.size(), "256 distinct colours");

}  // namespace

int DepthForColorCount(std::int16_t colors) {
  switch (colors) {
    case 2:
      return 1;
    case 16:
      return 4;
    default:
      return 8;
  }
}

std::span<const std::uint32_t> FixedPalette(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
      return kMonochrome;
    case 4:
      return kVga;
    case 8:
      return kFull.colours;
    default:
      return {};
  }
}

}  // namespace kx
