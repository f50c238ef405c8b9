#include "capture/NearestColor.h"

#include <algorithm>
#include <limits>

namespace kx {
namespace {

constexpr int kCellBits = 5;    // 32 small cells per channel, 8 levels wide
constexpr int kCoarseBits = 3;  // 8 large cells per channel, 32 levels wide

// The levels lo..hi of each channel (red, green, blue).
struct Box {
  std::int32_t lo[3];
  std::int32_t hi[3];
};

std::int32_t Channel(std::uint32_t rgb, int channel) {
  return static_cast<std::int32_t>((rgb >> (16 - 8 * channel)) & 0xFFU);
}

Box CellBox(std::uint32_t cellIndex, int bits) {
  const std::uint32_t mask = (1U << bits) - 1;
  const auto width = static_cast<std::int32_t>(1U << (8 - bits));
  Box box{};
  for (int channel = 0; channel < 3; ++channel) {
    const auto cell = (cellIndex >> (bits * (2 - channel))) & mask;
    box.lo[channel] = static_cast<std::int32_t>(cell) * width;
    box.hi[channel] = box.lo[channel] + width - 1;
  }
  return box;
}

// Least and greatest squared distance from a colour to any point of the box.
std::int32_t LeastDistance(std::uint32_t rgb, const Box& box) {
  std::int32_t sum = 0;
  for (int channel = 0; channel < 3; ++channel) {
    const std::int32_t v = Channel(rgb, channel);
    const std::int32_t d = std::max({box.lo[channel] - v, v - box.hi[channel], 0});
    sum += d * d;
  }
  return sum;
}

std::int32_t GreatestDistance(std::uint32_t rgb, const Box& box) {
  std::int32_t sum = 0;
  for (int channel = 0; channel < 3; ++channel) {
    const std::int32_t v = Channel(rgb, channel);
    const std::int32_t d = std::max(v - box.lo[channel], box.hi[channel] - v);
    sum += d * d;
  }
  return sum;
}

// The entries of `from` (palette indices) that can be nearest, or tie for
// nearest, somewhere in the box: an entry whose least distance exceeds some
// entry's greatest distance never is. Order is kept.
void KeepPossibleNearest(const std::vector<std::uint32_t>& palette, const std::string& from,
                         const Box& box, std::string& to) {
  std::int32_t bound = std::numeric_limits<std::int32_t>::max();
  for (const char index : from) {
    bound = std::min(bound, GreatestDistance(palette[static_cast<std::uint8_t>(index)], box));
  }
  to.clear();
  for (const char index : from) {
    if (LeastDistance(palette[static_cast<std::uint8_t>(index)], box) <= bound) to += index;
  }
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

NearestColorMap::NearestColorMap(std::span<const std::uint32_t> palette)
    : cells_(std::size_t{1} << (3 * kCellBits)),
      coarseLists_(std::size_t{1} << (3 * kCoarseBits)) {
  const std::size_t count = std::min<std::size_t>(palette.size(), 256);
  for (std::size_t i = 0; i < count; ++i) palette_.push_back(palette[i] & 0x00FFFFFFU);
  if (palette_.empty()) palette_.push_back(0);
  // With few entries most cells hold one, and answering those at once pays;
  // with many, single and shared cells alternate unpredictably, and comparing
  // a group every time is faster than the branch.
  answerSingles_ = palette_.size() <= 16;
}

std::uint32_t NearestColorMap::CoarseList(std::uint32_t coarseIndex) {
  std::string& list = coarseLists_[coarseIndex];
  if (list.empty()) {
    std::string all;
    for (std::size_t i = 0; i < palette_.size(); ++i) all += static_cast<char>(i);
    KeepPossibleNearest(palette_, all, CellBox(coarseIndex, kCoarseBits), list);
  }
  return coarseIndex;
}

// A small cell lies inside one large cell, whose list holds every entry that
// can be nearest in it.
std::uint32_t NearestColorMap::MakeCell(std::uint32_t cellIndex) {
  constexpr int kDown = kCellBits - kCoarseBits;
  constexpr std::uint32_t kCoarseMask = (1U << kCoarseBits) - 1;
  const std::uint32_t coarseIndex =
      (((cellIndex >> (2 * kCellBits + kDown)) & kCoarseMask) << (2 * kCoarseBits)) |
      (((cellIndex >> (kCellBits + kDown)) & kCoarseMask) << kCoarseBits) |
      ((cellIndex >> kDown) & kCoarseMask);
  KeepPossibleNearest(palette_, coarseLists_[CoarseList(coarseIndex)],
                      CellBox(cellIndex, kCellBits), scratch_);
  return cells_[cellIndex] = CellFor(scratch_);
}

// Cells with the same list share its groups.
std::uint32_t NearestColorMap::CellFor(const std::string& list) {
  if (list.size() == 1 && answerSingles_) return kSingle | static_cast<std::uint8_t>(list[0]);
  if (const auto made = madeLists_.find(list); made != madeLists_.end()) return made->second;
  const auto first = static_cast<std::uint32_t>(groups_.size());
  const std::size_t groupCount = (list.size() + kGroupSize - 1) / kGroupSize;
  groups_.resize(groups_.size() + groupCount);
  for (std::size_t slot = 0; slot < groupCount * kGroupSize; ++slot) {
    const auto index = static_cast<std::uint8_t>(list[slot < list.size() ? slot : 0]);
    const std::uint32_t rgb = palette_[index];
    const std::int32_t r = Channel(rgb, 0);
    const std::int32_t g = Channel(rgb, 1);
    const std::int32_t b = Channel(rgb, 2);
    Group& group = groups_[first + slot / kGroupSize];
    const std::size_t i = slot % kGroupSize;
    group.base[i] = 256 * (r * r + g * g + b * b) + index;
    group.red[i] = -512 * r;
    group.green[i] = -512 * g;
    group.blue[i] = -512 * b;
  }
  const std::uint32_t cell = (first << kGroupCountBits) | static_cast<std::uint32_t>(groupCount);
  madeLists_.emplace(list, cell);
  return cell;
}

}  // namespace kx
