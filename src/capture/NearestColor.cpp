#include "capture/NearestColor.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <stdexcept>
#include <vector>

#include "capture/Palettes.h"

namespace kx {
namespace {

// Scores are distances minus |c|^2. Adding 255^2 per channel keeps every
// term of a best level, and so every key, at or above zero; keys stay below
// 2^27.
constexpr std::int64_t kChannelOffset = 255 * 255;
// A missing lattice's term per channel: three of them exceed every key.
constexpr std::uint32_t kNoLattice = 0x2AAAAAAAU;

// How the candidates of a palette are coded (see the class comment).
struct LatticeCodes {
  std::span<const std::uint32_t> levels;
  std::uint32_t base;
  std::array<std::uint32_t, 3> weights;  // red, green, blue
};

constexpr std::array<std::uint32_t, 6> kCubeLevels = {0, 51, 102, 153, 204, 255};
constexpr std::array<std::uint32_t, 2> kHalfLevels = {0, 128};
constexpr std::array<std::uint32_t, 2> kFullLevels = {0, 255};

// The half levels come first: VGA's dark colours and grey (indices 0 to 6
// and 8) take the codes 0 to 14 in steps of 2, and silver (index 7), the
// only VGA grey on no lattice, takes 13. Every other lattice member follows
// from 16, and the grey ramp comes last.
constexpr LatticeCodes kHalf{kHalfLevels, 0, {2, 4, 8}};
constexpr LatticeCodes kFull{kFullLevels, 16, {4, 2, 1}};
constexpr LatticeCodes kCube{kCubeLevels, 16, {36, 6, 1}};
constexpr std::uint32_t kSilverCode = 13;
constexpr std::uint32_t kFirstRampCode = 16 + 216;

std::vector<LatticeCodes> LatticesOf(int depth) {
  switch (depth) {
    case 4:
      return {kHalf, kFull};
    case 8:
      return {kCube, kHalf};
    default:
      return {};
  }
}

std::int32_t Channel(std::uint32_t rgb, int channel) {
  return static_cast<std::int32_t>((rgb >> (16 - 8 * channel)) & 0xFFU);
}

std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (r << 16) | (g << 8) | b;
}

std::uint8_t IndexIn(std::span<const std::uint32_t> palette, std::uint32_t rgb) {
  const auto found = std::find(palette.begin(), palette.end(), rgb);
  if (found == palette.end()) throw std::logic_error("a candidate colour missing from the palette");
  return static_cast<std::uint8_t>(found - palette.begin());
}

bool OnLattice(const std::vector<LatticeCodes>& lattices, std::uint32_t level) {
  return std::any_of(lattices.begin(), lattices.end(), [&](const LatticeCodes& lattice) {
    return std::find(lattice.levels.begin(), lattice.levels.end(), level) != lattice.levels.end();
  });
}

}  // namespace

std::uint8_t NearestIndexBruteForce(std::span<const std::uint32_t> palette, std::uint32_t rgb) {
  std::size_t best = 0;
  std::int32_t bestDistance = std::numeric_limits<std::int32_t>::max();
  for (std::size_t i = 0; i < palette.size(); ++i) {
    std::int32_t distance = 0;
    for (int channel = 0; channel < 3; ++channel) {
      const std::int32_t d = Channel(palette[i], channel) - Channel(rgb, channel);
      distance += d * d;
    }
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return static_cast<std::uint8_t>(best);
}

NearestColorMap::NearestColorMap(int bitsPerPixel) {
  const int depth = bitsPerPixel == 1 || bitsPerPixel == 4 ? bitsPerPixel : 8;
  const auto palette = FixedPalette(depth);
  const auto lattices = LatticesOf(depth);
  std::array<std::uint64_t, 256>* const tables[3] = {&red_, &green_, &blue_};

  for (std::size_t half = 0; half < 2; ++half) {
    const int shift = half == 0 ? 0 : 32;
    if (half >= lattices.size()) {
      for (auto* table : tables) {
        for (std::uint64_t& entry : *table) entry += std::uint64_t{kNoLattice} << shift;
      }
      continue;
    }
    const LatticeCodes& lattice = lattices[half];
    const std::size_t n = lattice.levels.size();
    for (std::int64_t v = 0; v < 256; ++v) {
      std::size_t best = 0;
      std::int64_t bestScore = std::numeric_limits<std::int64_t>::max();
      for (std::size_t q = 0; q < n; ++q) {
        const auto level = static_cast<std::int64_t>(lattice.levels[q]);
        const std::int64_t score = level * level - 2 * v * level;
        if (score < bestScore) {
          bestScore = score;
          best = q;
        }
      }
      for (std::size_t channel = 0; channel < 3; ++channel) {
        const std::uint64_t term =
            static_cast<std::uint64_t>((bestScore + kChannelOffset) * kCodes) +
            best * lattice.weights[channel] + (channel == 0 ? lattice.base : 0);
        (*tables[channel])[static_cast<std::size_t>(v)] += term << shift;
      }
    }
    for (std::size_t r = 0; r < n; ++r) {
      for (std::size_t g = 0; g < n; ++g) {
        for (std::size_t b = 0; b < n; ++b) {
          const std::uint32_t code =
              lattice.base +
              static_cast<std::uint32_t>(r * lattice.weights[0] + g * lattice.weights[1] +
                                         b * lattice.weights[2]);
          index_[code] =
              IndexIn(palette, Rgb(lattice.levels[r], lattice.levels[g], lattice.levels[b]));
        }
      }
    }
  }

  std::vector<std::pair<std::int64_t, std::uint32_t>> greys;  // level, code
  std::uint32_t nextRampCode = kFirstRampCode;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const std::uint32_t level = palette[i] & 0xFFU;
    if (palette[i] != Rgb(level, level, level) || OnLattice(lattices, level)) continue;
    const std::uint32_t code = lattices.empty() ? static_cast<std::uint32_t>(i)
                               : i < 16         ? kSilverCode
                                                : nextRampCode++;
    greys.emplace_back(level, code);
    index_[code] = static_cast<std::uint8_t>(i);
  }
  for (std::size_t s = 0; s < grey_.size(); ++s) {
    std::int64_t least = std::int64_t{std::numeric_limits<std::uint32_t>::max()};
    for (const auto& [level, code] : greys) {
      const std::int64_t score = 3 * level * level - 2 * level * static_cast<std::int64_t>(s);
      least = std::min(least, (score + 3 * kChannelOffset) * kCodes + code);
    }
    grey_[s] = static_cast<std::uint32_t>(least);
  }
}

}  // namespace kx
