#pragma once
// Exact nearest-colour lookup: least squared RGB distance, ties to the lower
// index.

#include <array>
#include <cstdint>
#include <span>

namespace kx {

// The reference rule, entry by entry. An empty palette gives index 0.
std::uint8_t NearestIndexBruteForce(std::span<const std::uint32_t> palette, std::uint32_t rgb);

// The same answers for the fixed palette of a depth, without a search.
//
// The squared distance from a colour c to an entry p is |c|^2 plus the sum
// over the channels of p_i^2 - 2 c_i p_i; |c|^2 is common to all entries, so
// that sum (the score) decides. Each palette is covered by sets whose best
// member is found directly:
// - lattices: every colour whose channels all come from one list of levels
//   (the 6x6x6 cube; VGA's half levels 0 and 128; its full levels 0 and
//   255). Each channel takes its best level on its own, so a member's
//   score is the sum of three per-channel table entries;
// - the other greys: grey g scores 3 g^2 - 2 g s, which depends only on the
//   channel sum s, so a table indexed by s holds the best of them.
// A set's best is kept as a key, (score + offset) * 512 + code, and the
// least key wins. Codes add up channel by channel within a lattice and are
// ordered like the palette indices wherever members of two sets can be
// equally near (ties go to the lower index); a last table turns the code
// into the index. A channel exactly between two levels takes the lower
// level, which in these palettes is the member with the lower index.
class NearestColorMap {
 public:
  // 1, 4, or any other value for 8 bits per pixel.
  explicit NearestColorMap(int bitsPerPixel);

  // `rgb` is 0x00RRGGBB; the top byte is ignored.
  std::uint8_t IndexOf(std::uint32_t rgb) const {
    const std::uint32_t r = (rgb >> 16) & 0xFFU;
    const std::uint32_t g = (rgb >> 8) & 0xFFU;
    const std::uint32_t b = rgb & 0xFFU;
    const std::uint64_t lattices = red_[r] + green_[g] + blue_[b];
    const auto first = static_cast<std::uint32_t>(lattices);
    const auto second = static_cast<std::uint32_t>(lattices >> 32);
    std::uint32_t key = grey_[r + g + b];
    key = first < key ? first : key;
    key = second < key ? second : key;
    return index_[key & (kCodes - 1)];
  }

  static constexpr std::uint32_t kCodes = 512;

 private:
  // Per channel value: the terms of the best level of each lattice, one
  // lattice in each half; a missing lattice's keys are larger than any.
  std::array<std::uint64_t, 256> red_{};
  std::array<std::uint64_t, 256> green_{};
  std::array<std::uint64_t, 256> blue_{};
  std::array<std::uint32_t, 3 * 255 + 1> grey_{};  // per channel sum: the best grey's key
  std::array<std::uint8_t, kCodes> index_{};
};

}  // namespace kx
