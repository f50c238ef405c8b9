// PNG encoding of two 1920x1080 frames, a desktop and a photo, in full colour
// and reduced to 8 bits: the encode time (median of several runs) and the
// file size with the filter the program chooses, the imaging component's
// default and each row filter. Writes the BMP files of
// the same bitmaps into the folder named on the command line, for
// png-vs-convert.sh to hand to ImageMagick.

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "base/win32/ComPtr.h"
#include "capture/BmpEncoder.h"
#include "capture/ColorReduction.h"
#include "capture/Dib.h"
#include "capture/Palettes.h"
#include "capture/win32/PngEncoder.h"

namespace {

constexpr std::int32_t kWidth = 1920;
constexpr std::int32_t kHeight = 1080;
constexpr int kRuns = 5;

using Pixels = std::vector<std::uint32_t>;  // 0x00RRGGBB, top row first

std::uint32_t Rgb(int r, int g, int b) {
  return (static_cast<std::uint32_t>(std::clamp(r, 0, 255)) << 16) |
         (static_cast<std::uint32_t>(std::clamp(g, 0, 255)) << 8) |
         static_cast<std::uint32_t>(std::clamp(b, 0, 255));
}

void Fill(Pixels& pixels, int left, int top, int width, int height,
          const std::function<std::uint32_t(int, int)>& colour) {
  for (int y = std::max(top, 0); y < std::min(top + height, kHeight); ++y) {
    for (int x = std::max(left, 0); x < std::min(left + width, kWidth); ++x) {
      pixels[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)] =
          colour(x - left, y - top);
    }
  }
}

// A desktop: a flat background, windows with gradient title bars and white
// client areas full of anti-aliased text, a picture in one window, a taskbar.
Pixels DesktopFrame() {
  Pixels pixels(static_cast<std::size_t>(kWidth) * kHeight, Rgb(0, 99, 177));
  std::mt19937 random(7);
  const struct {
    int left, top, width, height;
  } windows[] = {{60, 45, 900, 650}, {750, 200, 950, 600}, {150, 600, 700, 400}};
  for (const auto& w : windows) {
    Fill(pixels, w.left - 1, w.top - 1, w.width + 2, w.height + 2,
         [](int, int) { return Rgb(100, 100, 100); });
    Fill(pixels, w.left, w.top, w.width, 30,
         [&](int x, int) { return Rgb(20 + x * 60 / w.width, 60 + x * 90 / w.width, 160); });
    Fill(pixels, w.left, w.top + 30, w.width, 28, [](int, int) { return Rgb(240, 240, 240); });
    Fill(pixels, w.left, w.top + 58, w.width, w.height - 58,
         [](int, int) { return Rgb(255, 255, 255); });
    for (int line = w.top + 70; line + 14 < w.top + w.height; line += 18) {
      const int length = static_cast<int>(random() % static_cast<unsigned>(w.width - 40));
      for (int x = w.left + 10; x < w.left + 10 + length; x += 7) {
        if (random() % 6 == 0) continue;  // a space
        const auto glyph = static_cast<std::uint32_t>(random());
        Fill(pixels, x, line, 6, 11, [&](int gx, int gy) {
          const bool stroke = ((glyph >> ((gx + gy * 3) % 31)) & 1U) != 0 && gy % 4 != 3;
          const bool edge = ((glyph >> ((gx * 7 + gy) % 29)) & 1U) != 0;
          return stroke ? Rgb(30, 30, 30) : edge ? Rgb(170, 170, 175) : Rgb(255, 255, 255);
        });
      }
    }
  }
  Fill(pixels, 1100, 850, 600, 200, [](int x, int y) {
    const double d = std::hypot(x - 300.0, y - 100.0);
    return Rgb(static_cast<int>(128 + 120 * std::sin(d / 20.0)), x * 255 / 600, y * 255 / 200);
  });
  Fill(pixels, 0, kHeight - 40, kWidth, 40, [](int, int y) { return Rgb(32 + y, 32 + y, 40 + y); });
  return pixels;
}

// A photo: smooth shapes of light and colour with the grain of a sensor.
Pixels PhotoFrame() {
  Pixels pixels(static_cast<std::size_t>(kWidth) * kHeight);
  std::mt19937 random(11);
  std::normal_distribution<double> grain(0.0, 4.0);
  Fill(pixels, 0, 0, kWidth, kHeight, [&](int x, int y) {
    const double sky = 1.0 - y / static_cast<double>(kHeight);
    const double hill = std::sin(x / 170.0) * 60 + std::sin(x / 43.0 + 1.3) * 12 + 620;
    const double sun = std::exp(-std::hypot(x - 1400.0, y - 260.0) / 90.0);
    double r = 0, g = 0, b = 0;
    if (y < hill) {
      r = 90 + 110 * sky + 150 * sun;
      g = 130 + 90 * sky + 130 * sun;
      b = 200 + 50 * sky + 40 * sun;
    } else {
      const double leaves = std::sin(x / 7.0) * std::sin(y / 5.0) * 25;
      r = 50 + leaves + (y - hill) / 12;
      g = 110 + leaves * 1.4 - (y - hill) / 9;
      b = 40 + leaves / 2;
    }
    return Rgb(static_cast<int>(r + grain(random)), static_cast<int>(g + grain(random)),
               static_cast<int>(b + grain(random)));
  });
  return pixels;
}

// The pixels as the bitmap of a capture: 32 bits, or reduced to 8 bits with
// the fixed palette; rows bottom-up.
kx::DibImage Bitmap(const Pixels& pixels, int bitsPerPixel) {
  const auto stride = static_cast<std::ptrdiff_t>(*kx::DibRowStride(kWidth, bitsPerPixel));
  kx::DibImage dib{kWidth,
                   kHeight,
                   bitsPerPixel,
                   {},
                   std::vector<std::uint8_t>(static_cast<std::size_t>(stride * kHeight))};
  std::uint8_t* bottomUp = dib.rows.data() + (kHeight - 1) * stride;
  if (bitsPerPixel == 32) {
    for (std::int32_t y = 0; y < kHeight; ++y) {
      std::copy_n(reinterpret_cast<const std::uint8_t*>(pixels.data() +
                                                        static_cast<std::size_t>(y) * kWidth),
                  kWidth * 4, bottomUp - y * stride);
    }
    return dib;
  }
  const auto palette = kx::FixedPalette(bitsPerPixel);
  dib.palette.assign(palette.begin(), palette.end());
  kx::ReduceColors({pixels.data(), kWidth}, {bottomUp, -stride}, kWidth, kHeight, bitsPerPixel);
  return dib;
}

bool WriteBmp(const kx::DibImage& dib, const std::string& path) {
  auto file = kx::BmpFile::Of(*kx::ViewOf(dib));
  std::ofstream out(path, std::ios::binary);
  if (!file || !out) return false;
  std::vector<std::uint8_t> buffer(std::size_t{1} << 16);
  for (std::size_t n = file->Read(buffer); n != 0; n = file->Read(buffer)) {
    out.write(reinterpret_cast<const char*>(buffer.data()), static_cast<std::streamsize>(n));
  }
  return static_cast<bool>(out);
}

double NowMs() {
  LARGE_INTEGER count{}, frequency{};
  ::QueryPerformanceCounter(&count);
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: png_bench FOLDER (for the BMP files)\n");
    return 2;
  }
  const kx::win::ComApartment com;  // keeps the imaging component loaded
  const std::pair<const char*, kx::win::PngFilter> filters[] = {
      {"chosen", kx::win::PngFilter::Chosen}, {"encoder", kx::win::PngFilter::EncoderDefault},
      {"none", kx::win::PngFilter::None},     {"sub", kx::win::PngFilter::Sub},
      {"up", kx::win::PngFilter::Up},         {"average", kx::win::PngFilter::Average},
      {"paeth", kx::win::PngFilter::Paeth},   {"adaptive", kx::win::PngFilter::Adaptive}};
  std::printf("%-8s %-5s %-9s %10s %10s   (median of %d runs)\n", "frame", "bits", "filter", "ms",
              "bytes", kRuns);
  int status = 0;
  for (const auto& [name, frame] :
       {std::pair<const char*, Pixels>{"desktop", DesktopFrame()}, {"photo", PhotoFrame()}}) {
    for (const int bits : {32, 8}) {
      const char* depth = bits == 32 ? "full" : "8";
      const kx::DibImage dib = Bitmap(frame, bits);
      const std::string bmp =
          std::string(argv[1]) + "\\" + name + "-" + std::to_string(bits) + ".bmp";
      if (!WriteBmp(dib, bmp)) {
        std::fprintf(stderr, "cannot write %s\n", bmp.c_str());
        return 1;
      }
      for (const auto& [filterName, filter] : filters) {
        std::vector<double> times;
        std::size_t size = 0;
        for (int run = 0; run < kRuns; ++run) {
          const double start = NowMs();
          const auto file = kx::win::EncodePng(*kx::ViewOf(dib), filter);
          times.push_back(NowMs() - start);
          size = file ? file->size() : 0;
        }
        std::sort(times.begin(), times.end());
        if (size == 0) {
          std::printf("%-8s %-5s %-9s    not encoded\n", name, depth, filterName);
          status = 1;
          continue;
        }
        std::printf("%-8s %-5s %-9s %10.1f %10zu\n", name, depth, filterName, times[kRuns / 2],
                    size);
      }
    }
  }
  return status;
}
