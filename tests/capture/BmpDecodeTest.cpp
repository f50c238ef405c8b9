// Our BMP files, read back by an independent decoder (ImageMagick).

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>

#include "capture/BmpEncoder.h"
#include "capture/ColorReduction.h"
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
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
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
  std::string text = Run(Text("identify -format '%w %h %[opaque]' '", file.string(), "' 2>/dev/null"));
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
  const auto bytes = EncodeBmp(dib);
  ASSERT_TRUE(bytes);
  test::WriteAll(file, std::string(bytes->begin(), bytes->end()));
}

Rgb32Image RandomImage(std::int32_t width, std::int32_t height, unsigned seed) {
  std::mt19937 random(seed);
  Rgb32Image image{width, height, {}};
  for (std::int32_t i = 0; i < width * height; ++i) {
    image.pixels.push_back(static_cast<std::uint32_t>(random()) & 0xFFFFFF);
  }
  return image;
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
      const IndexedImage reduced = ReduceColors(RandomImage(width, 5, 17U + unsigned(width)), bits);
      const auto file = temp_ / Text("r", bits, "_", width, ".bmp");
      Write(file, ToDib(reduced));
      std::vector<std::uint32_t> expected;
      for (const std::uint8_t index : reduced.indices) expected.push_back(reduced.palette[index]);
      EXPECT_EQ(Describe(file), Text(width, " 5 true"));
      EXPECT_EQ(DecodeRgb(file), RgbBytes(expected));
    }
  }
}

TEST_F(BmpDecode, TrueColourPicturesDecodeToTheirPixels) {
  for (const int bits : {24, 32}) {
    for (const std::int32_t width : {1, 2, 3, 5, 13}) {
      SCOPED_TRACE(Text(bits, " bits, width ", width));
      const Rgb32Image image = RandomImage(width, 4, 99U + unsigned(width));
      const auto file = temp_ / Text("t", bits, "_", width, ".bmp");
      Write(file, ToDib(image, bits));
      EXPECT_EQ(Describe(file), Text(width, " 4 true"));
      EXPECT_EQ(DecodeRgb(file), RgbBytes(image.pixels));
    }
  }
}

}  // namespace
}  // namespace kx
