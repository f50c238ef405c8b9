// Our BMP files, read back by an independent decoder (ImageMagick).

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>

#include "capture/BmpEncoder.h"
#include "capture/ColorReduction.h"
#include "capture/NearestColor.h"
#include "capture/Palettes.h"
#include "support/ReadSource.h"
#include "support/TempFolder.h"

namespace kx {
namespace {

template <typename... Parts>
std::string Text(const Parts&... parts) {
  std::ostringstream text;
  (text << ... << parts);
  return text.str();
}

std::string Run(const std::string& command) {
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return output;
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    output.append(buffer, n);
  ::pclose(pipe);
  return output;
}

bool HaveImageMagick() { return !Run("command -v convert identify 2>/dev/null").empty(); }

// The decoded pixels as R, G, B bytes, rows top-down.
std::string DecodeRgb(const std::filesystem::path& file) {
  return Run(Text("convert '", file.string(), "' -depth 8 rgb:- 2>/dev/null"));
}

// "width height opaque", lower case.
std::string Describe(const std::filesystem::path& file) {
  std::string text =
      Run(Text("identify -format '%w %h %[opaque]' '", file.string(), "' 2>/dev/null"));
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string RgbBytes(const std::vector<std::uint32_t>& colours) {
  std::string bytes;
  for (const std::uint32_t rgb : colours) {
    bytes += static_cast<char>((rgb >> 16) & 0xFF);
    bytes += static_cast<char>((rgb >> 8) & 0xFF);
    bytes += static_cast<char>(rgb & 0xFF);
  }
  return bytes;
}

void Write(const std::filesystem::path& file, const DibImage& dib) {
  const auto view = ViewOf(dib);
  ASSERT_TRUE(view);
  auto bmp = BmpFile::Of(*view);
  ASSERT_TRUE(bmp);
  const auto bytes = test::ReadAll(*bmp);
  test::WriteAll(file, std::string(bytes.begin(), bytes.end()));
}

std::vector<std::uint32_t> RandomPixels(std::int32_t width, std::int32_t height, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::uint32_t> pixels;
  for (std::int32_t i = 0; i < width * height; ++i) {
    pixels.push_back(static_cast<std::uint32_t>(random()) & 0xFFFFFF);
  }
  return pixels;
}

// An empty bitmap of the size and depth; rows bottom-up.
DibImage Blank(std::int32_t width, std::int32_t height, int bits) {
  const auto stride = static_cast<std::size_t>(*DibRowStride(width, bits));
  return DibImage{width, height, bits, {}, std::vector<std::uint8_t>(stride * std::size_t(height))};
}

std::uint8_t* TopRow(DibImage& dib) {
  return dib.rows.data() + dib.rows.size() - dib.rows.size() / std::size_t(dib.height);
}

class BmpDecode : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveImageMagick()) GTEST_SKIP() << "ImageMagick (convert, identify) is not installed";
  }
  test::TempFolder temp_;
};

TEST_F(BmpDecode, ReducedPicturesDecodeToTheirPaletteColours) {
  for (const int bits : {1, 4, 8}) {
    for (const std::int32_t width : {1, 3, 7, 9, 31, 33}) {
      SCOPED_TRACE(Text(bits, " bits, width ", width));
      const auto pixels = RandomPixels(width, 5, 17U + unsigned(width));
      const auto palette = FixedPalette(bits);
      DibImage reduced = Blank(width, 5, bits);
      reduced.palette.assign(palette.begin(), palette.end());
      const auto stride = static_cast<std::ptrdiff_t>(reduced.rows.size() / 5);
      ReduceColors({pixels.data(), width}, {TopRow(reduced), -stride}, width, 5, bits);
      const auto file = temp_ / Text("r", bits, "_", width, ".bmp");
      Write(file, reduced);
      std::vector<std::uint32_t> expected;
      for (const std::uint32_t pixel : pixels) {
        expected.push_back(palette[NearestIndexBruteForce(palette, pixel)]);
      }
      EXPECT_EQ(Describe(file), Text(width, " 5 true"));
      EXPECT_EQ(DecodeRgb(file), RgbBytes(expected));
    }
  }
}

// 32-bit pixels carry a fourth byte in memory that the file must not keep.
TEST_F(BmpDecode, TrueColourPicturesDecodeToTheirPixels) {
  for (const int bits : {24, 32}) {
    for (const std::int32_t width : {1, 2, 3, 5, 13}) {
      SCOPED_TRACE(Text(bits, " bits, width ", width));
      const auto pixels = RandomPixels(width, 4, 99U + unsigned(width));
      DibImage dib = Blank(width, 4, bits);
      const std::size_t stride = dib.rows.size() / 4;
      for (std::size_t y = 0; y < 4; ++y) {
        std::uint8_t* out = dib.rows.data() + (3 - y) * stride;
        for (std::size_t x = 0; x < std::size_t(width); ++x) {
          const std::uint32_t rgb = pixels[y * std::size_t(width) + x];
          *out++ = static_cast<std::uint8_t>(rgb);
          *out++ = static_cast<std::uint8_t>(rgb >> 8);
          *out++ = static_cast<std::uint8_t>(rgb >> 16);
          if (bits == 32) *out++ = 0x80;
        }
      }
      const auto file = temp_ / Text("t", bits, "_", width, ".bmp");
      Write(file, dib);
      EXPECT_EQ(Describe(file), Text(width, " 4 true"));
      EXPECT_EQ(DecodeRgb(file), RgbBytes(pixels));
    }
  }
}

}  // namespace
}  // namespace kx
