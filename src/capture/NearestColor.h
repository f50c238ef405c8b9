#pragma once
// Exact nearest-colour lookup in a palette: least squared RGB distance, ties
// to the lower index.

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace kx {

// The reference rule, entry by entry. An empty palette gives index 0.
std::uint8_t NearestIndexBruteForce(std::span<const std::uint32_t> palette, std::uint32_t rgb);

// The same answers, fast. The RGB cube is cut into 32 x 32 x 32 cells, and
// each cell keeps the few palette entries that can be nearest (or tie for
// nearest) anywhere inside it, found from the list of the larger cell
// (8 x 8 x 8 in all) around it the first time a colour falls into it.
//
// For a colour c, the entry with the least |p|^2 - 2 c.p is the nearest. Each
// entry of a list is stored as the terms of that sum, scaled by 256 with the
// palette index in the low byte, so the least sum also carries the lowest
// index among ties. Lists are padded to groups of four (with their first
// entry, which changes no minimum) and compared without branches; with a
// small palette, a cell with a single entry answers at once.
//
// One map serves one reduction; it is not shared between threads.
class NearestColorMap {
 public:
  // Entries past the 256th are ignored; an empty palette maps everything to 0.
  explicit NearestColorMap(std::span<const std::uint32_t> palette);

  // `rgb` is 0x00RRGGBB; the top byte is ignored.
  std::uint8_t IndexOf(std::uint32_t rgb) {
    const std::uint32_t cellIndex =
        ((rgb >> 9) & 0x7C00U) | ((rgb >> 6) & 0x3E0U) | ((rgb >> 3) & 0x1FU);
    std::uint32_t cell = cells_[cellIndex];
    if (cell == 0) cell = MakeCell(cellIndex);
    if ((cell & kSingle) != 0) return static_cast<std::uint8_t>(cell);
    const auto r = static_cast<std::int32_t>((rgb >> 16) & 0xFFU);
    const auto g = static_cast<std::int32_t>((rgb >> 8) & 0xFFU);
    const auto b = static_cast<std::int32_t>(rgb & 0xFFU);
    const Group* group = groups_.data() + (cell >> kGroupCountBits);
    std::int32_t least = Least(*group, r, g, b);
    for (std::uint32_t more = (cell & kGroupCountMask) - 1; more != 0; --more) {
      const std::int32_t next = Least(*++group, r, g, b);
      least = next < least ? next : least;
    }
    return static_cast<std::uint8_t>(least & 0xFF);
  }

 private:
  static constexpr std::uint32_t kGroupSize = 4;
  // A made cell: kSingle | index when one entry can be nearest in it; else
  // (first group << kGroupCountBits) | number of groups.
  static constexpr std::uint32_t kSingle = 0x80000000U;
  static constexpr int kGroupCountBits = 8;
  static constexpr std::uint32_t kGroupCountMask = (1U << kGroupCountBits) - 1;

  struct Group {  // four entries: key = base + red * r + green * g + blue * b
    std::int32_t base[kGroupSize];
    std::int32_t red[kGroupSize];
    std::int32_t green[kGroupSize];
    std::int32_t blue[kGroupSize];
  };

  static std::int32_t Least(const Group& group, std::int32_t r, std::int32_t g, std::int32_t b) {
    std::int32_t least = group.base[0] + group.red[0] * r + group.green[0] * g + group.blue[0] * b;
    for (std::uint32_t i = 1; i < kGroupSize; ++i) {
      const std::int32_t key =
          group.base[i] + group.red[i] * r + group.green[i] * g + group.blue[i] * b;
      least = key < least ? key : least;
    }
    return least;
  }

  std::uint32_t MakeCell(std::uint32_t cellIndex);
  std::uint32_t CoarseList(std::uint32_t coarseIndex);
  std::uint32_t CellFor(const std::string& list);

  std::vector<std::uint32_t> palette_;  // 0x00RRGGBB
  std::vector<std::uint32_t> cells_;    // 0 while not made
  std::vector<Group> groups_;
  std::unordered_map<std::string, std::uint32_t> madeLists_;  // indices -> cell value
  std::vector<std::string> coarseLists_;  // indices; empty while not made
  std::string scratch_;
  bool answerSingles_ = true;
};

}  // namespace kx
