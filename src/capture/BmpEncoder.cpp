#include "capture/BmpEncoder.h"

#include <algorithm>
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

std::optional<std::vector<std::uint8_t>> EncodeBmp(const DibImage& dib) {
  if (!IsConsistent(dib)) return std::nullopt;
  const std::uint32_t tableEntries = dib.bitsPerPixel <= 8 ? (1U << dib.bitsPerPixel) : 0;
  const std::uint32_t pixelOffset = kBmpFileHeaderSize + kBmpInfoHeaderSize + 4 * tableEntries;
  const std::uint64_t fileSize = std::uint64_t{pixelOffset} + dib.rows.size();
  if (fileSize > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;

  std::vector<std::uint8_t> file(static_cast<std::size_t>(fileSize));
  HeaderWriter write(file.data());
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
  write.U32(static_cast<std::uint32_t>(dib.rows.size()));
  write.I32(0);
  write.I32(0);
  write.U32(0);
  write.U32(0);
  // Colour table: blue, green, red, 0; entries the bitmap has none for stay black.
  for (std::uint32_t i = 0; i < tableEntries; ++i) {
    write.U32(i < dib.palette.size() ? dib.palette[i] & 0x00FFFFFFU : 0);
  }
  std::copy(dib.rows.begin(), dib.rows.end(), file.data() + pixelOffset);
  return file;
}

}  // namespace kx
