#include "capture/win32/PngEncoder.h"

#include <objbase.h>
#include <wincodec.h>

#include <gtest/gtest.h>

#include <cstring>

#include "base/win32/ComPtr.h"
#include "capture/Palettes.h"

namespace kx::win {
namespace {

// A PNG file as the system's decoder reads it back: its pixel format, colour
// table and rows, top row first, each as long as the format needs.
struct Decoded {
  GUID format{};
  std::vector<std::uint32_t> palette;  // 0xAARRGGBB
  std::vector<std::vector<std::uint8_t>> rows;
};

std::optional<Decoded> Decode(const std::vector<std::uint8_t>& file, int bitsPerPixel) {
  const ComApartment com;
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  UINT width = 0, height = 0;
  Decoded decoded;
  if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(factory.put()))) ||
      FAILED(factory->CreateStream(stream.put())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(file.data()),
                                          static_cast<DWORD>(file.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.put())) ||
      FAILED(decoder->GetFrame(0, frame.put())) || FAILED(frame->GetSize(&width, &height)) ||
      FAILED(frame->GetPixelFormat(&decoded.format))) {
    return std::nullopt;
  }
  if (bitsPerPixel <= 8) {
    ComPtr<IWICPalette> palette;
    UINT count = 0;
    if (FAILED(factory->CreatePalette(palette.put())) ||
        FAILED(frame->CopyPalette(palette.get())) || FAILED(palette->GetColorCount(&count))) {
      return std::nullopt;
    }
    decoded.palette.resize(count);
    palette->GetColors(count, decoded.palette.data(), &count);
  }
  const UINT bits = bitsPerPixel == 32 ? 24 : static_cast<UINT>(bitsPerPixel);
  const UINT stride = (width * bits + 7) / 8;
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) * height);
  if (FAILED(frame->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.size()), pixels.data()))) {
    return std::nullopt;
  }
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint8_t* row = pixels.data() + y * stride;
    decoded.rows.emplace_back(row, row + stride);
  }
  return decoded;
}

// A bitmap of 13 x 5 pixels with a different value in nearly every byte.
DibImage Pattern(int bitsPerPixel) {
  DibImage dib{13, 5, bitsPerPixel, {}, {}};
  const auto palette = FixedPalette(bitsPerPixel);
  dib.palette.assign(palette.begin(), palette.end());
  dib.rows.resize(static_cast<std::size_t>(*DibRowStride(13, bitsPerPixel)) * 5);
  for (std::size_t i = 0; i < dib.rows.size(); ++i) {
    dib.rows[i] = static_cast<std::uint8_t>(i * 37 + 11);
  }
  return dib;
}

// The row at `y` from the top as the file must hold it: a palette image's
// bytes up to its last pixel (unused low bits zero), 32 bits without the
// fourth byte.
std::vector<std::uint8_t> ExpectedRow(const DibImage& dib, std::int32_t y) {
  const std::size_t stride = static_cast<std::size_t>(*DibRowStride(dib.width, dib.bitsPerPixel));
  const std::uint8_t* row = dib.rows.data() + static_cast<std::size_t>(dib.height - 1 - y) * stride;
  std::vector<std::uint8_t> expected;
  if (dib.bitsPerPixel == 32) {
    for (std::int32_t x = 0; x < dib.width; ++x) {
      expected.insert(expected.end(), row + 4 * x, row + 4 * x + 3);
    }
    return expected;
  }
  const std::size_t bits =
      static_cast<std::size_t>(dib.width) * static_cast<std::size_t>(dib.bitsPerPixel);
  expected.assign(row, row + (bits + 7) / 8);
  if (bits % 8 != 0) expected.back() &= static_cast<std::uint8_t>(0xFF << (8 - bits % 8));
  return expected;
}

TEST(EncodePng, EveryDepthAndFilterDecodesToItsPixelsAndColourTable) {
  const std::pair<int, const GUID*> depths[] = {{1, &GUID_WICPixelFormat1bppIndexed},
                                                {4, &GUID_WICPixelFormat4bppIndexed},
                                                {8, &GUID_WICPixelFormat8bppIndexed},
                                                {24, &GUID_WICPixelFormat24bppBGR},
                                                {32, &GUID_WICPixelFormat24bppBGR}};
  const PngFilter filters[] = {
      PngFilter::Chosen, PngFilter::EncoderDefault, PngFilter::None,  PngFilter::Sub,
      PngFilter::Up,     PngFilter::Average,        PngFilter::Paeth, PngFilter::Adaptive};
  for (const auto& [bits, format] : depths) {
    for (const PngFilter filter : filters) {
      SCOPED_TRACE(testing::Message() << bits << " bits, filter " << static_cast<int>(filter));
      const DibImage dib = Pattern(bits);
      const auto file = EncodePng(*ViewOf(dib), filter);
      ASSERT_TRUE(file);
      ASSERT_GT(file->size(), 33U);
      EXPECT_EQ(std::memcmp(file->data(), "\x89PNG\r\n\x1a\n", 8), 0);
      const auto decoded = Decode(*file, bits);
      ASSERT_TRUE(decoded);
      EXPECT_TRUE(decoded->format == *format);
      std::vector<std::uint32_t> palette;
      for (const std::uint32_t colour : dib.palette) palette.push_back(0xFF000000U | colour);
      EXPECT_EQ(decoded->palette, palette);
      ASSERT_EQ(decoded->rows.size(), 5U);
      for (std::int32_t y = 0; y < 5; ++y) {
        auto row = decoded->rows[static_cast<std::size_t>(y)];
        if (bits < 8 && (13 * bits) % 8 != 0) {  // the unused low bits of the last byte
          row.back() &= static_cast<std::uint8_t>(0xFF << (8 - (13 * bits) % 8));
        }
        EXPECT_EQ(row, ExpectedRow(dib, y)) << "row " << y;
      }
    }
  }
}

TEST(EncodePng, DepthsAndSizesAPngCannotHoldGiveNothing) {
  DibImage dib = Pattern(8);
  DibView view = *ViewOf(dib);
  view.bitsPerPixel = 16;
  EXPECT_FALSE(EncodePng(view));
  view = *ViewOf(dib);
  view.width = 0;
  EXPECT_FALSE(EncodePng(view));
}

}  // namespace
}  // namespace kx::win
