#include "capture/BmpEncoder.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace kx {
namespace {

// Stores little-endian values one after another.
class HeaderWriter {
 public:
  explicit HeaderWriter(std::uint8_t* out) : out_(out) {}
  void U16(std::uint32_t value) { Bytes(value, 2); }
  void U32(std::uint32_t value) { Bytes(value, 4); }
  void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }

 private:
  void Bytes(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) *out_++ = static_cast<std::uint8_t>(value >> (8 * i));
  }
  std::uint8_t* out_;
};

}  // namespace

std::optional<BmpFile> BmpFile::Of(const DibView& dib) {
  const auto stride = DibRowStride(dib.width, dib.bitsPerPixel);
  if (!stride || dib.height < 0) return std::nullopt;
  const std::uint32_t tableEntries = dib.bitsPerPixel <= 8 ? (1U << dib.bitsPerPixel) : 0;
  if (dib.palette.size() > tableEntries) return std::nullopt;
  const std::uint32_t pixelOffset = kBmpFileHeaderSize + kBmpInfoHeaderSize + 4 * tableEntries;
  const std::uint64_t pixelBytes = *stride * static_cast<std::uint64_t>(dib.height);
  const std::uint64_t fileSize = pixelOffset + pixelBytes;
  if (fileSize > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;

  std::vector<std::uint8_t> header(pixelOffset);
  HeaderWriter write(header.data());
  // File header.
  write.U16('B' | ('M' << 8));
  write.U32(static_cast<std::uint32_t>(fileSize));
  write.U16(0);
  write.U16(0);
  write.U32(pixelOffset);
  // Information header: positive height (rows bottom-up), no compression.
  write.U32(kBmpInfoHeaderSize);
  write.I32(dib.width);
  write.I32(dib.height);
  write.U16(1);
  write.U16(static_cast<std::uint32_t>(dib.bitsPerPixel));
  write.U32(0);
  write.U32(static_cast<std::uint32_t>(pixelBytes));
  write.I32(0);
  write.I32(0);
  write.U32(0);
  write.U32(0);
  // Colour table: blue, green, red, 0.
  for (std::uint32_t i = 0; i < tableEntries; ++i) {
    write.U32(i < dib.palette.size() ? dib.palette[i] & 0x00FFFFFFU : 0);
  }
  return BmpFile(std::move(header), dib, static_cast<std::uint32_t>(*stride),
                 static_cast<std::uint32_t>(fileSize));
}

BmpFile::BmpFile(std::vector<std::uint8_t> header, const DibView& dib, std::uint32_t stride,
                 std::uint32_t size)
    : header_(std::move(header)),
      rows_(dib.rows),
      height_(dib.height),
      stride_(stride),
      clearFourthBytes_(dib.bitsPerPixel == 32),
      size_(size) {}

std::size_t BmpFile::Read(std::span<std::uint8_t> buffer) {
  std::size_t filled = 0;
  while (filled < buffer.size() && position_ < size_) {
    std::uint8_t* out = buffer.data() + filled;
    const std::size_t room = buffer.size() - filled;
    std::size_t count = 0;
    if (position_ < header_.size()) {
      count = std::min<std::size_t>(room, header_.size() - position_);
      std::memcpy(out, header_.data() + position_, count);
    } else {
      const std::uint32_t offset = position_ - static_cast<std::uint32_t>(header_.size());
      const std::uint32_t row = offset / stride_;
      const std::uint32_t column = offset % stride_;
      count = std::min<std::size_t>(room, stride_ - column);
      const std::uint8_t* bottomUp = rows_.Row(height_ - 1 - static_cast<std::int32_t>(row));
      std::memcpy(out, bottomUp + column, count);
      if (clearFourthBytes_) {
        for (std::size_t i = (3 - column % 4) % 4; i < count; i += 4) out[i] = 0;
      }
    }
    filled += count;
    position_ += static_cast<std::uint32_t>(count);
  }
  return filled;
}

}  // namespace kx
