#pragma once
// Modifier bits of a key press, as the hot key service takes and reports
// them and as a capture action reads them.

#include <cstdint>

namespace kx {

inline constexpr std::int32_t kModAlt = 1;
inline constexpr std::int32_t kModControl = 2;
inline constexpr std::int32_t kModShift = 4;

}  // namespace kx
