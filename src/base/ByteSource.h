#pragma once
// The content of a file, read in pieces from its start.

#include <cstddef>
#include <cstdint>
#include <span>

namespace kx {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Copies the next bytes into the start of `buffer`, filling it unless the
  // content ends first; how many. 0 once all was read.
  virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;
};

// Bytes in memory, which must stay there until they are read.
class SpanSource final : public ByteSource {
 public:
  explicit SpanSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::size_t Read(std::span<std::uint8_t> buffer) override;

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace kx
