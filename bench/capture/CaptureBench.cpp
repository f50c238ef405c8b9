// Colour reduction and BMP encoding of a 3840x2160 frame, timed against one
// memcpy of the same frame, and checked against a brute-force nearest-colour
// search on every pixel. The reduction writes bottom-up rows of a bitmap
// section's layout, as the program does.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "capture/BmpEncoder.h"
#include "capture/ColorReduction.h"
#include "capture/Dib.h"
#include "capture/Image.h"
#include "capture/NearestColor.h"
#include "capture/Palettes.h"

namespace {

constexpr std::int32_t kWidth = 3840;
constexpr std::int32_t kHeight = 2160;
constexpr int kRepeats = 15;

std::uint32_t Rgb(int r, int g, int b) {
  return (static_cast<std::uint32_t>(std::clamp(r, 0, 255)) << 16) |
         (static_cast<std::uint32_t>(std::clamp(g, 0, 255)) << 8) |
         static_cast<std::uint32_t>(std::clamp(b, 0, 255));
}

kx::Rgb32Image BlankFrame() {
  kx::Rgb32Image image;
  image.width = kWidth;
  image.height = kHeight;
  image.pixels.resize(static_cast<std::size_t>(kWidth) * kHeight);
  return image;
}

void Fill(kx::Rgb32Image& image, int left, int top, int width, int height,
          const std::function<std::uint32_t(int, int)>& colour) {
  for (int y = std::max(top, 0); y < std::min(top + height, kHeight); ++y) {
    for (int x = std::max(left, 0); x < std::min(left + width, kWidth); ++x) {
      image.pixels[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)] =
          colour(x - left, y - top);
    }
  }
}

// A desktop: a flat background, windows with gradient title bars, white
// client areas full of anti-aliased text, a toolbar, and a photo-like
// region of smooth gradients.
kx::Rgb32Image DesktopFrame() {
  kx::Rgb32Image image = BlankFrame();
  Fill(image, 0, 0, kWidth, kHeight, [](int, int) { return Rgb(0, 99, 177); });
  std::mt19937 random(7);
  const struct {
    int left, top, width, height;
  } windows[] = {{120, 90, 1800, 1300}, {1500, 400, 1900, 1200}, {300, 1200, 1400, 800}};
  for (const auto& w : windows) {
    Fill(image, w.left - 1, w.top - 1, w.width + 2, w.height + 2,
         [](int, int) { return Rgb(100, 100, 100); });
    Fill(image, w.left, w.top, w.width, 40,
         [&](int x, int) { return Rgb(20 + x * 60 / w.width, 60 + x * 90 / w.width, 160); });
    Fill(image, w.left, w.top + 40, w.width, 36, [](int, int) { return Rgb(240, 240, 240); });
    Fill(image, w.left, w.top + 76, w.width, w.height - 76,
         [](int, int) { return Rgb(255, 255, 255); });
    // Lines of text: glyph cells of dark strokes with grey edges.
    for (int line = w.top + 100; line + 20 < w.top + w.height; line += 28) {
      const int length = static_cast<int>(random() % static_cast<unsigned>(w.width - 80));
      for (int x = w.left + 20; x < w.left + 20 + length; x += 10) {
        if (random() % 6 == 0) continue;  // a space
        const auto glyph = static_cast<std::uint32_t>(random());
        Fill(image, x, line, 8, 16, [&](int gx, int gy) {
          const bool stroke = ((glyph >> ((gx + gy * 3) % 31)) & 1U) != 0 && gy % 4 != 3;
          const bool edge = ((glyph >> ((gx * 7 + gy) % 29)) & 1U) != 0;
          return stroke ? Rgb(30, 30, 30) : edge ? Rgb(170, 170, 175) : Rgb(255, 255, 255);
        });
      }
    }
  }
  Fill(image, 2200, 1700, 1200, 400, [](int x, int y) {
    const double d = std::hypot(x - 600.0, y - 200.0);
    return Rgb(static_cast<int>(128 + 120 * std::sin(d / 40.0)), static_cast<int>(x * 255 / 1200),
               static_cast<int>(y * 255 / 400));
  });
  Fill(image, 0, kHeight - 60, kWidth, 60, [](int, int y) { return Rgb(32 + y, 32 + y, 40 + y); });
  return image;
}

kx::Rgb32Image NoiseFrame() {
  kx::Rgb32Image image = BlankFrame();
  std::mt19937 random(11);
  for (std::uint32_t& pixel : image.pixels)
    pixel = static_cast<std::uint32_t>(random()) & 0x00FFFFFFU;
  return image;
}

// The best of several runs: the machine may be busy with other work, at times
// for longer than a few runs take.
template <typename Work>
double TimeMs(Work&& work) {
  double best = 0;
  for (int i = 0; i < kRepeats; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    const double ms = std::chrono::duration<double, std::milli>(end - start).count();
    best = i == 0 ? ms : std::min(best, ms);
  }
  return best;
}

// The frame reduced into the rows of a new bitmap of the depth.
kx::DibImage Reduce(const kx::Rgb32Image& image, int depth) {
  const auto palette = kx::FixedPalette(depth);
  const auto stride = static_cast<std::ptrdiff_t>(*kx::DibRowStride(image.width, depth));
  kx::DibImage dib{image.width,
                   image.height,
                   depth,
                   {palette.begin(), palette.end()},
                   std::vector<std::uint8_t>(static_cast<std::size_t>(stride * image.height))};
  kx::ReduceColors({image.pixels.data(), image.width},
                   {dib.rows.data() + (image.height - 1) * stride, -stride}, image.width,
                   image.height, depth);
  return dib;
}

std::uint8_t IndexAt(const kx::DibImage& dib, std::size_t x, std::size_t y) {
  const auto stride = static_cast<std::size_t>(*kx::DibRowStride(dib.width, dib.bitsPerPixel));
  const std::uint8_t* row =
      dib.rows.data() + (static_cast<std::size_t>(dib.height) - 1 - y) * stride;
  const auto bits = static_cast<std::size_t>(dib.bitsPerPixel);
  const std::size_t bit = x * bits;
  return static_cast<std::uint8_t>((row[bit / 8] >> (8 - bits - bit % 8)) & ((1U << bits) - 1));
}

std::size_t Mismatches(const kx::Rgb32Image& image, const kx::DibImage& reduced) {
  const auto palette = kx::FixedPalette(reduced.bitsPerPixel);
  std::size_t mismatches = 0;
  for (std::size_t y = 0; y < static_cast<std::size_t>(image.height); ++y) {
    for (std::size_t x = 0; x < static_cast<std::size_t>(image.width); ++x) {
      const std::uint32_t pixel = image.pixels[y * static_cast<std::size_t>(image.width) + x];
      if (IndexAt(reduced, x, y) != kx::NearestIndexBruteForce(palette, pixel)) ++mismatches;
    }
  }
  return mismatches;
}

// The bytes of the bitmap's BMP file, read in the pieces a save writes.
std::size_t Encode(const kx::DibView& view) {
  auto file = kx::BmpFile::Of(view);
  if (!file) return 0;
  std::vector<std::uint8_t> buffer(std::size_t{1} << 16);
  std::size_t total = 0;
  for (std::size_t n = file->Read(buffer); n != 0; n = file->Read(buffer)) total += n;
  return total;
}

// Milliseconds to allocate and first touch a frame's worth of memory.
double FreshMemoryMs(std::size_t bytes) {
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::uint8_t> fresh(bytes, 1);
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(end - start).count() + fresh[bytes / 2] * 0.0;
}

}  // namespace

int main() {
  const double freshMs = FreshMemoryMs(static_cast<std::size_t>(kWidth) * kHeight * 4);
#if defined(__GLIBC__)
  // Freed blocks stay with the process, so a step's buffers are memory that
  // was touched before, as memcpy's destination is: the figures are the work,
  // not the first-touch cost of fresh pages.
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, -1);
#endif
  const kx::Rgb32Image desktop = DesktopFrame();
  const kx::Rgb32Image noise = NoiseFrame();
  const std::size_t bytes = desktop.pixels.size() * sizeof(std::uint32_t);
  std::vector<std::uint32_t> copy(desktop.pixels.size(), 1);
  const double memcpyMs = TimeMs([&] { std::memcpy(copy.data(), desktop.pixels.data(), bytes); });
  std::printf("frame %dx%d at 32 bits, %zu bytes\n", kWidth, kHeight, bytes);
  std::printf("memcpy of the frame: %.2f ms (each figure: best of %d runs)\n", memcpyMs, kRepeats);
  std::printf("first touch of a fresh frame-sized block: %.2f ms (not in the figures)\n\n",
              freshMs);
  std::printf("%-8s %-22s %10s %12s %11s\n", "input", "step", "ms", "x memcpy", "mismatches");

  bool exact = true;
  for (const auto& input :
       {std::pair<const char*, const kx::Rgb32Image*>{"desktop", &desktop}, {"noise", &noise}}) {
    const char* const name = input.first;
    const kx::Rgb32Image* const image = input.second;
    for (const int depth : {8, 4, 1}) {
      kx::DibImage reduced;
      const double reduceMs = TimeMs([&] { reduced = Reduce(*image, depth); });
      const std::size_t wrong = Mismatches(*image, reduced);
      exact = exact && wrong == 0;
      std::printf("%-8s %-22s %10.2f %12.2f %11zu\n", name,
                  ("reduce to " + std::to_string(depth) + " bpp").c_str(), reduceMs,
                  reduceMs / memcpyMs, wrong);
      std::size_t fileSize = 0;
      const auto view = kx::ViewOf(reduced);
      const double encodeMs = TimeMs([&] { fileSize = Encode(*view); });
      std::printf("%-8s %-22s %10.2f %12.2f %11s  (%zu bytes)\n", name,
                  ("encode BMP " + std::to_string(depth) + " bpp").c_str(), encodeMs,
                  encodeMs / memcpyMs, "", fileSize);
    }
    const kx::DibView frame{image->width,
                            image->height,
                            32,
                            {},
                            {reinterpret_cast<const std::uint8_t*>(image->pixels.data()),
                             4 * static_cast<std::ptrdiff_t>(image->width)}};
    const double encode32Ms = TimeMs([&] { (void)Encode(frame); });
    std::printf("%-8s %-22s %10.2f %12.2f\n", name, "encode BMP 32 bpp", encode32Ms,
                encode32Ms / memcpyMs);
  }
  std::printf("\nnearest colour %s brute force on every pixel\n",
              exact ? "equals" : "DIFFERS FROM");
  return exact ? 0 : 1;
}
