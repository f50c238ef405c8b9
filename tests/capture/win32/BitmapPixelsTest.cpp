#include "capture/win32/BitmapPixels.h"

#include <gtest/gtest.h>

#include "Win32TestSupport.h"
#include "capture/win32/PictureSurface.h"

namespace kx::win {
namespace {

Rgb32Image Gradient(std::int32_t width, std::int32_t height) {
  Rgb32Image image{width, height, {}};
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      image.pixels.push_back(static_cast<std::uint32_t>((x * 9) << 16 | (y * 17) << 8 | (x + y)));
    }
  }
  return image;
}

// A section made elsewhere, rows in either order.
Picture MakeSection(std::int32_t width, std::int32_t height, int bits, DWORD compression) {
  struct {
    BITMAPINFOHEADER header;
    DWORD masks[3];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bits);
  info.header.biCompression = compression;
  info.masks[0] = 0xFF0000;
  info.masks[1] = 0x00FF00;
  info.masks[2] = 0x0000FF;
  void* memory = nullptr;
  const HBITMAP bitmap = ::CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info),
                                            DIB_RGB_COLORS, &memory, nullptr, 0);
  return Picture(bitmap, nullptr);
}

TEST(CreateDibSection, ABottomUpSectionOfZerosWithItsColourTable) {
  const std::uint32_t palette[] = {0x102030, 0xFFFFFF, 0x000080};
  DibSection section = CreateDibSection(5, 3, 8, palette);
  ASSERT_TRUE(section.bitmap);
  EXPECT_EQ(section.rows.step, -8);
  for (std::int32_t y = 0; y < 3; ++y) {
    for (std::int32_t x = 0; x < 8; ++x) EXPECT_EQ(section.rows.Row(y)[x], 0);
  }
  section.rows.Row(0)[4] = 2;  // the top row's last pixel
  const Picture picture(std::move(section), nullptr);
  EXPECT_EQ(picture.BitsPerPixel(), 8);
  const auto dib = ReadDib(picture);
  ASSERT_TRUE(dib);
  EXPECT_EQ(dib->rows[2 * 8 + 4], 2);  // rows bottom-up
  EXPECT_EQ(std::vector<std::uint32_t>(dib->palette.begin(), dib->palette.begin() + 3),
            std::vector<std::uint32_t>(std::begin(palette), std::end(palette)));
  EXPECT_EQ(ReadPixels(picture).pixels[4], 0x000080U);

  EXPECT_FALSE(CreateDibSection(0, 3, 8, {}).bitmap);
  EXPECT_FALSE(CreateDibSection(3, -1, 8, {}).bitmap);
  EXPECT_FALSE(CreateDibSection(3, 3, 16, {}).bitmap);
}

TEST(SectionView, ShowsASectionsRowsWhereTheyLie) {
  const std::uint32_t palette[] = {0x000000, 0x112233};
  DibSection section = CreateDibSection(9, 4, 1, palette);
  ASSERT_TRUE(section.bitmap);
  std::uint8_t* top = section.rows.Row(0);
  const Picture picture(std::move(section), nullptr);
  const auto view = SectionView(picture);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->width, 9);
  EXPECT_EQ(view->height, 4);
  EXPECT_EQ(view->bitsPerPixel, 1);
  EXPECT_EQ(view->rows.top, top);
  EXPECT_EQ(view->rows.step, -4);
  EXPECT_EQ(view->palette, std::vector<std::uint32_t>(std::begin(palette), std::end(palette)));
}

// Drawing the system may still hold back is done before the rows are seen.
TEST(SectionView, ShowsWhatWasDrawn) {
  DibSection section = CreateDibSection(6, 6, 32, {});
  ASSERT_TRUE(section.bitmap);
  {
    const DcHandle dc(::CreateCompatibleDC(nullptr));
    const ScopedSelectObject selected(dc.get(), section.bitmap.get());
    const BrushHandle red(::CreateSolidBrush(RGB(255, 0, 0)));
    const RECT all{0, 0, 6, 6};
    ::FillRect(dc.get(), &all, red.get());
  }
  const Picture picture(std::move(section), nullptr);
  const auto view = SectionView(picture);
  ASSERT_TRUE(view);
  const auto* pixels = reinterpret_cast<const std::uint32_t*>(view->rows.Row(5));
  EXPECT_EQ(pixels[5] & 0xFFFFFFU, 0xFF0000U);
}

// Sections made elsewhere are read out like any bitmap: the system does not
// tell whether their rows are stored top-down.
TEST(SectionView, NothingForOtherBitmaps) {
  EXPECT_FALSE(SectionView(Picture()));
  EXPECT_FALSE(SectionView(test::ScreenPicture(Gradient(4, 4))));
  for (const std::int32_t height : {4, -4}) {
    const Picture foreign = MakeSection(4, height, 32, BI_RGB);
    ASSERT_TRUE(foreign);
    EXPECT_FALSE(SectionView(foreign));
  }
  EXPECT_FALSE(SectionView(Picture(CreateDibSection(4, 4, 32, {}).bitmap.release(), nullptr)));
}

TEST(SectionView, EveryDepthABmpFileHolds) {
  for (const int bits : {1, 4, 8, 24, 32}) {
    const auto view = SectionView(Picture(CreateDibSection(3, 2, bits, {}), nullptr));
    ASSERT_TRUE(view) << bits;
    EXPECT_EQ(view->bitsPerPixel, bits);
    EXPECT_EQ(view->palette.size(), bits <= 8 ? std::size_t{1} << bits : 0U) << bits;
  }
}

TEST(BitmapLike, AThirtyTwoBitSectionForOneAndAScreenBitmapOtherwise) {
  const Rgb32Image pixels = Gradient(10, 7);
  DibSection section = CreateDibSection(10, 7, 32, {});
  ASSERT_TRUE(section.bitmap);
  const Picture inSection(std::move(section), nullptr);
  const Picture onScreen = test::ScreenPicture(pixels);
  const WindowDc screen = WindowDc::Client(nullptr);

  const Picture likeSection(BitmapLike(inSection, screen.get()), nullptr);
  const auto view = SectionView(likeSection);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->bitsPerPixel, 32);
  EXPECT_EQ(likeSection.Width(), 10);
  EXPECT_EQ(likeSection.Height(), 7);

  const Picture likeScreen(BitmapLike(onScreen, screen.get()), nullptr);
  EXPECT_FALSE(SectionView(likeScreen));
  EXPECT_EQ(likeScreen.Width(), 10);
  EXPECT_EQ(likeScreen.BitsPerPixel(), onScreen.BitsPerPixel());
}

// The pointer overlay and the inversion draw on a copy of a capture; a
// capture in a section stays in one, with its pixels.
TEST(BitmapLike, ADrawnCopyOfASectionPictureKeepsItsPixels) {
  const Rgb32Image pixels = Gradient(12, 5);
  PictureSurface surface;
  DibSection section = CreateDibSection(12, 5, 32, {});
  ASSERT_TRUE(section.bitmap);
  for (std::int32_t y = 0; y < 5; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(section.rows.Row(y));
    for (std::int32_t x = 0; x < 12; ++x) row[x] = test::PixelAt(pixels, x, y);
  }
  surface.SetPicture(Picture(std::move(section), nullptr));
  surface.SetAutoRedraw(true);
  surface.SetAutoRedraw(false);
  surface.AdoptImage();
  EXPECT_TRUE(SectionView(surface.GetPicture()));
  EXPECT_EQ(ReadPixels(surface.GetPicture()), pixels);
}

}  // namespace
}  // namespace kx::win
