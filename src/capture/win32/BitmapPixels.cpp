#include "capture/win32/BitmapPixels.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>

namespace kx::win {
namespace {

struct BitmapInfo {  // header and room for a full colour table
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

BitmapInfo DescribeDib(std::int32_t width, std::int32_t height, int bitsPerPixel) {
  BitmapInfo info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = width;
  info.header.biHeight = height;  // negative: rows top-down
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.header.biCompression = BI_RGB;
  return info;
}

int FileDepth(int bitsPerPixel) {
  if (bitsPerPixel <= 1) return 1;
  if (bitsPerPixel <= 4) return 4;
  if (bitsPerPixel <= 8) return 8;
  return bitsPerPixel == 32 ? 32 : 24;
}

std::uint32_t ToRgb(const RGBQUAD& c) {
  return (std::uint32_t{c.rgbRed} << 16) | (std::uint32_t{c.rgbGreen} << 8) | c.rgbBlue;
}

// Reads the picture's rows into `buffer` in the form `info` describes,
// through a memory context with the picture's palette realised.
bool ReadRows(const Picture& picture, BitmapInfo& info, void* buffer, HDC compatibleWith) {
  const DcHandle memory(::CreateCompatibleDC(compatibleWith));
  if (!memory) return false;
  std::optional<ScopedSelectPalette> palette;
  if (picture.Palette()) {
    palette.emplace(memory.get(), picture.Palette());
    ::RealizePalette(memory.get());
  }
  const int lines =
      ::GetDIBits(memory.get(), picture.Bitmap(), 0, static_cast<UINT>(picture.Height()), buffer,
                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  return lines == picture.Height();
}

// The colour table of a section of at most 8 bits per pixel.
std::vector<std::uint32_t> ColourTable(HBITMAP section, int bitsPerPixel) {
  const DcHandle memory(::CreateCompatibleDC(nullptr));
  if (!memory) return {};
  const ScopedSelectObject selected(memory.get(), section);
  RGBQUAD colours[256] = {};
  const UINT count = ::GetDIBColorTable(memory.get(), 0, 1U << bitsPerPixel, colours);
  std::vector<std::uint32_t> table;
  for (UINT i = 0; i < count; ++i) table.push_back(ToRgb(colours[i]));
  return table;
}

}  // namespace

Rgb32Image ReadPixels(const Picture& picture, HDC compatibleWith) {
  if (!picture || picture.Width() <= 0 || picture.Height() <= 0) return {};
  Rgb32Image image;
  image.width = picture.Width();
  image.height = picture.Height();
  image.pixels.resize(static_cast<std::size_t>(image.width) *
                      static_cast<std::size_t>(image.height));
  BitmapInfo info = DescribeDib(image.width, -image.height, 32);
  if (!ReadRows(picture, info, image.pixels.data(), compatibleWith)) return {};
  for (std::uint32_t& pixel : image.pixels) pixel &= 0x00FFFFFFU;
  return image;
}

std::optional<DibImage> ReadDib(const Picture& picture) {
  if (!picture || picture.Width() <= 0 || picture.Height() <= 0) return std::nullopt;
  DibImage dib;
  dib.width = picture.Width();
  dib.height = picture.Height();
  dib.bitsPerPixel = FileDepth(picture.BitsPerPixel());
  const auto stride = DibRowStride(dib.width, dib.bitsPerPixel);
  if (!stride) return std::nullopt;
  dib.rows.resize(static_cast<std::size_t>(*stride) * static_cast<std::size_t>(dib.height));
  BitmapInfo info = DescribeDib(dib.width, dib.height, dib.bitsPerPixel);
  if (!ReadRows(picture, info, dib.rows.data(), nullptr)) return std::nullopt;
  if (dib.bitsPerPixel <= 8) {
    const std::size_t entries = std::size_t{1} << dib.bitsPerPixel;
    for (std::size_t i = 0; i < entries; ++i) dib.palette.push_back(ToRgb(info.colours[i]));
  } else if (dib.bitsPerPixel == 32) {
    for (std::size_t i = 3; i < dib.rows.size(); i += 4) dib.rows[i] = 0;
  }
  return dib;
}

std::optional<DibView> SectionView(const Picture& picture) {
  const PixelRows<const std::uint8_t> rows = picture.SectionRows();
  const int depth = picture.BitsPerPixel();
  if (!picture || rows.top == nullptr || !DibRowStride(picture.Width(), depth)) {
    return std::nullopt;
  }
  ::GdiFlush();
  DibView view{picture.Width(), picture.Height(), depth, {}, rows};
  if (depth <= 8) view.palette = ColourTable(picture.Bitmap(), depth);
  return view;
}

std::optional<DibView> FileRows(const Picture& picture, std::optional<DibImage>& storage) {
  if (auto rows = SectionView(picture)) return rows;
  try {
    storage = ReadDib(picture);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  return storage ? ViewOf(*storage) : std::nullopt;
}

DibSection BitmapFromDib(const DibImage& dib) {
  if (!IsConsistent(dib)) return {};
  DibSection section = CreateDibSection(dib.width, dib.height, dib.bitsPerPixel, dib.palette);
  if (!section.bitmap) return {};
  // Both hold their rows bottom row first.
  std::memcpy(section.rows.Row(dib.height - 1), dib.rows.data(), dib.rows.size());
  return section;
}

DibSection BitmapLike(const Picture& picture, HDC screen) {
  if (const auto view = SectionView(picture); view && view->bitsPerPixel == 32) {
    return CreateDibSection(picture.Width(), picture.Height(), 32, {});
  }
  return {BitmapHandle(::CreateCompatibleBitmap(screen, picture.Width(), picture.Height())), {}};
}

}  // namespace kx::win
