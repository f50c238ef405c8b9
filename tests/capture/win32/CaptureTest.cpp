// End to end on the session's display: a window of known colours, captured
// through the real screen, with the pointer drawn in.

#include "capture/win32/Capture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Win32TestSupport.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"
#include "capture/win32/BitmapPixels.h"
#include "capture/win32/SaveSurface.h"
#include "capture/win32/ScreenCapture.h"
#include "capture/win32/SurfaceColors.h"
#include "support/MessagePump.h"
#include "support/WindowsPath.h"

namespace kx::win {
namespace {

constexpr std::uint32_t kQuarterColours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
constexpr std::uint32_t kPointerColour = 0xFF00FF;
constexpr int kPointerSize = 32;

COLORREF ToColorRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Client area in four quarters: red, green above; blue, white below.
LRESULT CALLBACK QuartersProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return ::DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint{};
  const HDC dc = ::BeginPaint(window, &paint);
  RECT client{};
  ::GetClientRect(window, &client);
  const LONG midX = client.right / 2;
  const LONG midY = client.bottom / 2;
  const RECT quarters[4] = {{0, 0, midX, midY},
                            {midX, 0, client.right, midY},
                            {0, midY, midX, client.bottom},
                            {midX, midY, client.right, client.bottom}};
  for (int i = 0; i < 4; ++i) {
    const BrushHandle brush(::CreateSolidBrush(ToColorRef(kQuarterColours[i])));
    ::FillRect(dc, &quarters[i], brush.get());
  }
  ::EndPaint(window, &paint);
  return 0;
}

// A 32 x 32 cursor of one opaque colour.
HCURSOR SolidCursor(std::uint32_t rgb) {
  const WindowDc screen = WindowDc::Client(nullptr);
  const BitmapHandle colour(::CreateCompatibleBitmap(screen.get(), kPointerSize, kPointerSize));
  {
    const DcHandle memory(::CreateCompatibleDC(screen.get()));
    const ScopedSelectObject selected(memory.get(), colour.get());
    const BrushHandle brush(::CreateSolidBrush(ToColorRef(rgb)));
    const RECT all{0, 0, kPointerSize, kPointerSize};
    ::FillRect(memory.get(), &all, brush.get());
  }
  const std::vector<BYTE> zeros(kPointerSize * kPointerSize / 8);
  const BitmapHandle mask(::CreateBitmap(kPointerSize, kPointerSize, 1, 1, zeros.data()));
  ICONINFO info{FALSE, 0, 0, mask.get(), colour.get()};
  return ::CreateIconIndirect(&info);
}

class CaptureEndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    cursor_ = SolidCursor(kPointerColour);
    WNDCLASSW shown{};
    shown.lpfnWndProc = &QuartersProc;
    shown.hInstance = instance;
    shown.lpszClassName = L"KxCaptureQuarters";
    ::RegisterClassW(&shown);
    WNDCLASSW owner{};
    owner.lpfnWndProc = &::DefWindowProcW;
    owner.hInstance = instance;
    owner.hCursor = cursor_;
    owner.lpszClassName = L"KxPointerOwner";
    ::RegisterClassW(&owner);
    WNDCLASSW bare = owner;
    bare.hCursor = nullptr;
    bare.lpszClassName = L"KxNoCursor";
    ::RegisterClassW(&bare);

    window_ = ::CreateWindowExW(0, L"KxCaptureQuarters", L"撮影テスト", WS_OVERLAPPEDWINDOW, 200,
                                150, 420, 320, nullptr, nullptr, instance, nullptr);
    owner_ = ::CreateWindowExW(0, L"KxPointerOwner", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                               nullptr, instance, nullptr);
    noCursor_ = ::CreateWindowExW(0, L"KxNoCursor", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, instance, nullptr);
    ::ShowWindow(window_, SW_SHOWNORMAL);
    ::UpdateWindow(window_);
    ::SetForegroundWindow(window_);
    kx::test::PumpMessagesFor(std::chrono::milliseconds(700));
  }
  static void TearDownTestSuite() {
    ::DestroyWindow(window_);
    ::DestroyWindow(owner_);
    ::DestroyWindow(noCursor_);
    ::DestroyCursor(cursor_);
  }

  // The screen point at the middle of quarter i of the client area.
  static POINT QuarterCentre(int i) {
    RECT client{};
    ::GetClientRect(window_, &client);
    POINT point{client.right / 4 + (i % 2) * client.right / 2,
                client.bottom / 4 + (i / 2) * client.bottom / 2};
    ::ClientToScreen(window_, &point);
    return point;
  }

  static RECT WindowRect() {
    RECT rect{};
    ::GetWindowRect(window_, &rect);
    return rect;
  }

  // Moves the pointer to the middle of the red quarter and gives its position.
  static POINT PointerOnRed() {
    const POINT target = QuarterCentre(0);
    ::SetCursorPos(target.x, target.y);
    kx::test::PumpMessagesFor(std::chrono::milliseconds(100));
    POINT actual{};
    ::GetCursorPos(&actual);
    return actual;
  }

  // The surface's picture after the pointer was drawn into it.
  static Rgb32Image WithPointer(PictureSurface& surface, bool foreground, HWND owner, bool& drawn) {
    surface.SetAutoRedraw(true);
    drawn = DrawPointer(surface.DrawingDc(), foreground, owner);
    surface.SetAutoRedraw(false);
    surface.AdoptImage();
    return ReadPixels(surface.GetPicture());
  }

  // Every pixel of the client area in a capture whose top-left corner lies
  // at `corner` on the screen: the copy is made in bands of rows, and no
  // row may be lost or misplaced between them.
  static void ExpectClientArea(const Rgb32Image& image, POINT corner) {
    RECT client{};
    ::GetClientRect(window_, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window_, &origin);
    std::size_t wrong = 0;
    for (LONG y = 0; y < client.bottom; ++y) {
      for (LONG x = 0; x < client.right; ++x) {
        const int quarter = (x < client.right / 2 ? 0 : 1) + (y < client.bottom / 2 ? 0 : 2);
        const std::uint32_t pixel =
            test::PixelAt(image, origin.x - corner.x + x, origin.y - corner.y + y);
        if (pixel != kQuarterColours[quarter] && ++wrong < 5) {
          ADD_FAILURE() << "client pixel " << x << "," << y << ": " << std::hex << pixel;
        }
      }
    }
    EXPECT_EQ(wrong, 0U);
  }

  static void ExpectPointerAt(const Rgb32Image& image, std::int32_t x, std::int32_t y) {
    EXPECT_EQ(test::PixelAt(image, x, y), kPointerColour);
    EXPECT_EQ(test::PixelAt(image, x + kPointerSize - 1, y + kPointerSize - 1), kPointerColour);
    EXPECT_EQ(test::PixelAt(image, x - 1, y - 1), kQuarterColours[0]);
    EXPECT_NE(test::PixelAt(image, x + kPointerSize, y + kPointerSize), kPointerColour);
  }

  static inline HWND window_ = nullptr;
  static inline HWND owner_ = nullptr;
  static inline HWND noCursor_ = nullptr;
  static inline HCURSOR cursor_ = nullptr;
};

TEST_F(CaptureEndToEnd, TheDesktopShowsTheWindowWhereItIs) {
  ASSERT_EQ(::GetForegroundWindow(), window_);
  const Picture picture = CopyDesktop();
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture.Palette(), nullptr);  // a true-colour display
  EXPECT_EQ(picture.Width(), ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(picture.Height(), ::GetSystemMetrics(SM_CYSCREEN));
  const Rgb32Image pixels = ReadPixels(picture);
  for (int i = 0; i < 4; ++i) {
    const POINT centre = QuarterCentre(i);
    EXPECT_EQ(test::PixelAt(pixels, centre.x, centre.y), kQuarterColours[i]) << i;
  }
  ExpectClientArea(pixels, POINT{0, 0});
  const RECT outer = WindowRect();
  EXPECT_EQ(test::PixelAt(pixels, outer.left - 5, outer.bottom + 5), 0x000000U);  // the root
  const auto rows = SectionView(picture);  // a 32-bit display: the rows a BMP file holds
  ASSERT_TRUE(rows);
  EXPECT_EQ(rows->bitsPerPixel, 32);

  PictureSurface surface;
  CopyDesktopToSurface(surface);
  EXPECT_EQ(ReadPixels(surface.GetPicture()), pixels);
}

TEST_F(CaptureEndToEnd, TheForegroundWindowIsCapturedWithItsFrame) {
  const RECT outer = WindowRect();
  const auto area = WindowCaptureAreaOf(window_);
  ASSERT_TRUE(area);
  const Picture picture = CopyForegroundWindow();
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture.Width(), area->width);
  EXPECT_EQ(picture.Height(), area->height);
  EXPECT_EQ(picture.Width(), outer.right - outer.left);
  EXPECT_EQ(picture.Height(), outer.bottom - outer.top);
  RECT client{};
  ::GetClientRect(window_, &client);
  EXPECT_GT(picture.Width(), client.right);  // frame included
  EXPECT_GT(picture.Height(), client.bottom);
  const Rgb32Image pixels = ReadPixels(picture);
  for (int i = 0; i < 4; ++i) {
    const POINT centre = QuarterCentre(i);
    EXPECT_EQ(test::PixelAt(pixels, centre.x - area->outer.left, centre.y - area->outer.top),
              kQuarterColours[i])
        << i;
  }
  ExpectClientArea(pixels, POINT{area->outer.left, area->outer.top});

  PictureSurface surface;
  CopyForegroundToSurface(surface);
  EXPECT_EQ(surface.GetPicture().Width(), picture.Width());
}

TEST_F(CaptureEndToEnd, ThePointerLandsAtItsScreenPosition) {
  const POINT pointer = PointerOnRed();
  PictureSurface surface;
  CopyDesktopToSurface(surface);
  bool drawn = false;
  const Rgb32Image pixels = WithPointer(surface, false, owner_, drawn);
  EXPECT_TRUE(drawn);
  ExpectPointerAt(pixels, pointer.x, pointer.y);
}

TEST_F(CaptureEndToEnd, OverAWindowCaptureThePointerIsRelativeToItsOuterCorner) {
  const POINT pointer = PointerOnRed();
  const auto area = WindowCaptureAreaOf(window_);
  ASSERT_TRUE(area);
  PictureSurface surface;
  CopyForegroundToSurface(surface);
  bool drawn = false;
  const Rgb32Image pixels = WithPointer(surface, true, owner_, drawn);
  EXPECT_TRUE(drawn);
  ExpectPointerAt(pixels, pointer.x - area->outer.left, pointer.y - area->outer.top);
}

TEST_F(CaptureEndToEnd, AClassWithoutACursorDrawsNothing) {
  PointerOnRed();
  PictureSurface surface;
  CopyForegroundToSurface(surface);
  const Rgb32Image before = ReadPixels(surface.GetPicture());
  bool drawn = true;
  const Rgb32Image after = WithPointer(surface, true, noCursor_, drawn);
  EXPECT_FALSE(drawn);
  EXPECT_EQ(after, before);
}

// Between actions the surface holds no picture. Its spare serves the next
// capture of the screen, which copies every pixel into it again; a capture
// of another size releases it first; it goes once its time is up.
TEST_F(CaptureEndToEnd, AReleasedSurfaceHoldsNoPictureAndLendsItsSpareToTheNextCapture) {
  PictureSurface surface(50);
  CopyDesktopToSurface(surface);
  const HBITMAP first = surface.GetPicture().Bitmap();
  {
    const DcHandle dc(::CreateCompatibleDC(nullptr));
    const ScopedSelectObject selected(dc.get(), first);
    ::PatBlt(dc.get(), 0, 0, surface.GetPicture().Width(), surface.GetPicture().Height(),
             BLACKNESS);
  }
  surface.SetAutoRedraw(true);
  surface.SetAutoRedraw(false);
  ASSERT_TRUE(surface.HoldsPicture());
  surface.Release(owner_);
  EXPECT_FALSE(surface.HoldsPicture());
  EXPECT_FALSE(surface.GetPicture());
  EXPECT_TRUE(surface.HoldsSpare());

  CopyDesktopToSurface(surface);
  EXPECT_EQ(surface.GetPicture().Bitmap(), first);
  EXPECT_FALSE(surface.HoldsSpare());
  ExpectClientArea(ReadPixels(surface.GetPicture()), POINT{0, 0});

  CopyForegroundToSurface(surface);
  EXPECT_FALSE(surface.HoldsSpare());
  EXPECT_EQ(surface.GetPicture().Width(), WindowCaptureAreaOf(window_)->width);

  CopyDesktopToSurface(surface);
  surface.Release(owner_);
  EXPECT_FALSE(surface.OnTimer(PictureSurface::kSpareTimerId + 1));  // another timer's
  EXPECT_TRUE(surface.HoldsSpare());
  MSG message{};
  for (int wait = 0; wait < 100 && surface.HoldsSpare(); ++wait) {
    if (::PeekMessageW(&message, owner_, WM_TIMER, WM_TIMER, PM_REMOVE)) {
      EXPECT_TRUE(surface.OnTimer(message.wParam));
    } else {
      ::Sleep(50);
    }
  }
  EXPECT_FALSE(surface.HoldsSpare());
  CopyDesktopToSurface(surface);
  surface.Release(nullptr);  // no window for a timer: at once
  EXPECT_FALSE(surface.HoldsSpare());

  CopyScreenToSurface(surface, Screen::AllMonitors);  // one monitor: the same size
  const HBITMAP monitors = surface.GetPicture().Bitmap();
  surface.Release(owner_);
  CopyScreenToSurface(surface, Screen::UnderPointer);
  EXPECT_EQ(surface.GetPicture().Bitmap(), monitors) << "other screens use the spare too";
}

void WriteRgb(const std::string& file, const Rgb32Image& image) {
  std::ofstream out(std::filesystem::path(Utf8ToWide(file)), std::ios::binary);
  for (const std::uint32_t rgb : image.pixels) {
    const char bytes[3] = {static_cast<char>(rgb >> 16), static_cast<char>(rgb >> 8),
                           static_cast<char>(rgb)};
    out.write(bytes, 3);
  }
}

// Writes captures at every depth as BMP and PNG files with the pixels they
// must decode to; the test fixture reads them back with an independent decoder.
TEST_F(CaptureEndToEnd, SavedCapturesForTheIndependentReader) {
  const std::string folder = kx::test::WindowsPathFromEnvironment("KX_CAPTURE_DECODE_DIR");
  if (folder.empty()) GTEST_SKIP() << "run through ctest, whose fixture decodes the files";
  PointerOnRed();
  const struct {
    const char* name;
    bool foreground;
    std::int16_t colors;  // 0: unreduced
  } captures[] = {{"desktop32", false, 0},
                  {"window32", true, 0},
                  {"desktop8", false, 256},
                  {"window4", true, 16},
                  {"desktop1", false, 2}};
  for (const auto& capture : captures) {
    SCOPED_TRACE(capture.name);
    PictureSurface surface;
    if (capture.foreground) {
      CopyForegroundToSurface(surface);
    } else {
      CopyDesktopToSurface(surface);
    }
    bool drawn = false;
    WithPointer(surface, capture.foreground, owner_, drawn);
    if (capture.colors != 0) ReduceSurfaceColors(nullptr, surface, capture.colors);
    const std::string base = folder + "\\" + capture.name;
    ASSERT_EQ(SaveSurfaceBmp(surface, base + ".bmp", SaveMode::ReplaceExisting), SaveResult::Saved);
    ASSERT_EQ(SaveSurfacePng(surface, base + ".png", SaveMode::ReplaceExisting), SaveResult::Saved);
    WriteRgb(base + ".rgb", ReadPixels(surface.GetPicture()));
  }
}

}  // namespace
}  // namespace kx::win
