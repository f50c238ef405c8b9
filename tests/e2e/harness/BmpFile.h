#pragma once
// A small BMP reader for checks, independent of the program's encoder.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace kx::e2e {

struct BmpFile {
  std::int32_t width = 0;
  std::int32_t height = 0;
  int bitsPerPixel = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::vector<std::uint32_t> pixels;   // 0x00RRGGBB, rows top-down

  std::uint32_t Pixel(std::int32_t x, std::int32_t y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// Nothing when the file is missing, truncated or not an uncompressed BMP
// whose sizes agree with its length.
std::optional<BmpFile> ReadBmpFile(const std::filesystem::path& file);

}  // namespace kx::e2e
