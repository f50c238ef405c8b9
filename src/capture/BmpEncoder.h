#pragma once
// BMP files: file header, 40-byte information header, colour table, pixels.

#include <cstdint>
#include <optional>
#include <vector>

#include "base/ByteSource.h"
#include "capture/Dib.h"

namespace kx {

inline constexpr std::uint32_t kBmpFileHeaderSize = 14;
inline constexpr std::uint32_t kBmpInfoHeaderSize = 40;

// An uncompressed BMP file of a bitmap, read in pieces: the headers (a
// positive height, rows bottom-up), a colour table of 2^bits entries up to 8
// bits per pixel (entries the bitmap has none for are black), then the
// rows, bottom row first, with the fourth byte of every 32-bit pixel 0. The
// rows are copied as they are read, so they must stay in place until then.
class BmpFile final : public ByteSource {
 public:
  // Nothing for a depth other than 1, 4, 8, 24 and 32, a negative size, more
  // colours than the depth holds (or any above 8 bits), or a file beyond the
  // format's 32-bit sizes.
  [[nodiscard]] static std::optional<BmpFile> Of(const DibView& dib);

  std::uint32_t Size() const { return size_; }
  std::size_t Read(std::span<std::uint8_t> buffer) override;

 private:
  BmpFile(std::vector<std::uint8_t> header, const DibView& dib, std::uint32_t stride,
          std::uint32_t size);

  std::vector<std::uint8_t> header_;  // everything before the pixels
  PixelRows<const std::uint8_t> rows_;
  std::int32_t height_;
  std::uint32_t stride_;
  bool clearFourthBytes_;
  std::uint32_t size_;
  std::uint32_t position_ = 0;
};

}  // namespace kx
