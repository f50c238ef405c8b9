#pragma once
// Whole contents of byte sources, read back for the capture tests.

#include <cstdint>
#include <vector>

#include "base/ByteSource.h"

namespace kx::test {

// Everything the source holds, read `chunk` bytes at a time.
inline std::vector<std::uint8_t> ReadAll(ByteSource& source, std::size_t chunk = 4096) {
  std::vector<std::uint8_t> all;
  std::vector<std::uint8_t> buffer(chunk);
  for (std::size_t n = source.Read(buffer); n != 0; n = source.Read(buffer)) {
    all.insert(all.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(n));
  }
  return all;
}

}  // namespace kx::test
