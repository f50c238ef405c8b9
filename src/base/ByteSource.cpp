#include "base/ByteSource.h"

#include <algorithm>
#include <cstring>

namespace kx {

std::size_t SpanSource::Read(std::span<std::uint8_t> buffer) {
  const std::size_t count = std::min(buffer.size(), bytes_.size());
  if (count != 0) std::memcpy(buffer.data(), bytes_.data(), count);
  bytes_ = bytes_.subspan(count);
  return count;
}

}  // namespace kx
