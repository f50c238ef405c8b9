// Drives the print-out on the session's printers for print-e2e.sh, one step
// per run, and checks a rendered page. Prints "key=value" lines; exits 1 when
// a check fails.
//
//   print_probe printers            the printer list and the default's area
//   print_probe page <printer> [q]  prints the test picture with a heading and date,
//                                   at quality setting q (default 1)
//   print_probe fail                prints a picture of height 0: logged, notice shown
//   print_probe check <page.ppm>    the rendered page (300 dpi) against the layout

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "actions/PrintError.h"
#include "actions/PrintLayout.h"
#include "actions/win32/ErrorLog.h"
#include "actions/win32/GdiPrinter.h"
#include "actions/win32/Printing.h"
#include "base/win32/Strconv.h"
#include "notices/win32/Notices.h"

namespace {

using kx::PrintOutcome;

constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr int kPictureWidth = 800;  // pixels, at 96 per inch
constexpr int kPictureHeight = 400;
constexpr double kHimetricPerPixel = 2540.0 / 96.0;
const char* const kHeading = "印刷テスト Kaptorix";

// Where the layout puts the 800 x 400 picture on A4 landscape at 300 dpi
// (printable area 3508 x 2479 pixels = 16838.4 x 11899.2 twips), margins 20,
// 20, 0, 0 mm, 100 percent: width fit, 14570.7 x 7285.3 twips at
// (1133.9, 2456.9); in pixels 3035.6 x 1517.8 at (236.2, 511.9). The heading
// line's top is 250 twips (52.1 pixels) above the picture.
constexpr double kLeft = 236.2, kTop = 511.9, kRight = 3271.8, kBottom = 2029.7;
constexpr double kHeadingTop = 459.8;
constexpr double kTolerance = 3.0;  // pixels

int failures = 0;

void Report(const std::string& key, const std::string& value) {
  std::printf("%s=%s\n", key.c_str(), value.c_str());
}

void Check(bool ok, const std::string& what) {
  if (!ok) {
    ++failures;
    Report("FAIL", what);
  }
}

const char* OutcomeName(PrintOutcome outcome) {
  switch (outcome) {
    case PrintOutcome::Printed:
      return "Printed";
    case PrintOutcome::Failed:
      return "Failed";
    case PrintOutcome::PrinterNotFound:
      return "PrinterNotFound";
    case PrintOutcome::NoPrinter:
      return "NoPrinter";
    case PrintOutcome::NotSent:
      return "NotSent";
  }
  return "?";
}

// Blue with a red top-left quarter, so a flipped or mirrored page shows.
kx::Rgb32Image TestPicture() {
  kx::Rgb32Image image{kPictureWidth, kPictureHeight, {}};
  for (int y = 0; y < kPictureHeight; ++y) {
    for (int x = 0; x < kPictureWidth; ++x) {
      image.pixels.push_back(x < kPictureWidth / 2 && y < kPictureHeight / 2 ? kRed : kBlue);
    }
  }
  return image;
}

kx::PrintParameters PageParameters() {
  kx::PrintParameters parameters;
  parameters.headerText = kHeading;
  parameters.printDate = true;
  return parameters;  // otherwise the defaults: landscape, 20/20/0/0 mm, layout 0
}

int Printers() {
  kx::win::GdiPrinter printer;
  std::string names;
  for (const std::string& name : printer.InstalledPrinters()) names += "[" + name + "]";
  Report("installed", names);
  Report("default", printer.CurrentPrinter());
  for (const kx::Orientation orientation :
       {kx::Orientation::Landscape, kx::Orientation::Portrait}) {
    kx::win::GdiPrinter oriented;
    oriented.SetOrientation(orientation);
    char area[64];
    std::snprintf(area, sizeof area, "%.1fx%.1f", oriented.PageWidth(), oriented.PageHeight());
    Report("area" + std::to_string(static_cast<int>(orientation)), area);
  }
  kx::win::GdiPrinter refusing;
  try {
    refusing.SetOrientation(kx::Orientation{0});
    Report("orientation0", "accepted");
  } catch (const kx::PrintError& error) {
    Report("orientation0", std::to_string(error.number()));
  }
  for (const std::int16_t quality : {kx::kQualityDraft, kx::kQualityMedium, kx::kQualityHigh}) {
    kx::win::GdiPrinter qualified;
    try {
      qualified.SetQuality(quality);
      Report("quality" + std::to_string(quality), "accepted");
    } catch (const kx::PrintError& error) {
      Report("quality" + std::to_string(quality), std::to_string(error.number()));
    }
  }
  return 0;
}

int PrintPage(const std::string& printerName, std::int16_t quality) {
  const kx::Rgb32Image picture = TestPicture();
  kx::PrintParameters parameters = PageParameters();
  parameters.quality = kx::PrintQuality{quality};
  const PrintOutcome outcome =
      kx::win::PrintSurface(picture, kPictureWidth * kHimetricPerPixel,
                            kPictureHeight * kHimetricPerPixel, parameters, printerName)
          .outcome;
  Report("outcome", OutcomeName(outcome));
  return 0;
}

BOOL CALLBACK CollectText(HWND window, LPARAM texts) {
  wchar_t text[512] = {};
  ::GetWindowTextW(window, text, 512);
  reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(text);
  return TRUE;
}

BOOL CALLBACK FindPrintErrorNotice(HWND window, LPARAM found) {
  wchar_t caption[64] = {};
  ::GetWindowTextW(window, caption, 64);
  if (std::wstring(caption) != L"印刷エラー" || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

int Fail() {
  const kx::Rgb32Image picture = TestPicture();
  const PrintOutcome outcome =
      kx::win::PrintSurface(picture, kPictureWidth * kHimetricPerPixel, 0, PageParameters(), "")
          .outcome;
  Report("outcome", OutcomeName(outcome));

  HWND notice = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindPrintErrorNotice,
                      reinterpret_cast<LPARAM>(&notice));
  Report("notice", notice ? "shown" : "missing");
  if (notice) {
    std::vector<std::wstring> texts;
    ::EnumChildWindows(notice, &CollectText, reinterpret_cast<LPARAM>(&texts));
    bool namesLog = false;
    for (const std::wstring& text : texts) {
      namesLog =
          namesLog || text.find(kx::win::Utf8ToWide(kx::win::ErrorLogPath())) != std::wstring::npos;
    }
    Check(namesLog, "the notice names " + kx::win::ErrorLogPath());
    ::SendMessageW(notice, WM_CLOSE, 0, 0);
    Check(!kx::win::NoticesOpen(), "the notice closes");
  }
  return 0;
}

struct RenderedPage {
  int width = 0;
  int height = 0;
  std::string rgb;  // 3 bytes a pixel, rows top-down

  std::uint32_t At(int x, int y) const {
    const size_t i =
        (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    return static_cast<std::uint32_t>(static_cast<unsigned char>(rgb[i])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(rgb[i + 1])) << 8 |
           static_cast<unsigned char>(rgb[i + 2]);
  }
};

std::optional<RenderedPage> ReadPpm(const std::string& path) {
  std::ifstream file(std::filesystem::path(kx::win::Utf8ToWide(path)), std::ios::binary);
  std::string magic;
  int maxValue = 0;
  RenderedPage page;
  if (!(file >> magic >> page.width >> page.height >> maxValue) || magic != "P6" ||
      maxValue != 255) {
    return std::nullopt;
  }
  file.get();
  page.rgb.assign(std::istreambuf_iterator<char>(file), {});
  if (page.rgb.size() != static_cast<size_t>(page.width) * static_cast<size_t>(page.height) * 3) {
    return std::nullopt;
  }
  return page;
}

// The smallest rectangle holding every pixel that `match` accepts within
// rows [fromRow, toRow) and columns [fromColumn, toColumn); right and bottom
// exclusive.
struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  bool empty() const { return right < 0; }
};

template <typename Match>
Box Bounds(const RenderedPage& page, int fromRow, int toRow, Match match, int fromColumn = 0,
           int toColumn = 1 << 30) {
  Box box;
  for (int y = std::max(fromRow, 0); y < std::min(toRow, page.height); ++y) {
    for (int x = std::max(fromColumn, 0); x < std::min(toColumn, page.width); ++x) {
      if (!match(page.At(x, y))) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x + 1);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  return box;
}

int Channel(std::uint32_t rgb, int shift) { return static_cast<int>(rgb >> shift & 0xFF); }
bool Bluish(std::uint32_t c) {
  return Channel(c, 0) > 160 && Channel(c, 16) < 100 && Channel(c, 8) < 100;
}
bool Reddish(std::uint32_t c) {
  return Channel(c, 16) > 160 && Channel(c, 0) < 100 && Channel(c, 8) < 100;
}
bool Dark(std::uint32_t c) {
  return Channel(c, 16) < 128 && Channel(c, 8) < 128 && Channel(c, 0) < 128;
}

bool Near(double actual, double expected) {
  return actual >= expected - kTolerance && actual <= expected + kTolerance;
}

std::string Describe(const Box& box) {
  return std::to_string(box.left) + "," + std::to_string(box.top) + " - " +
         std::to_string(box.right) + "," + std::to_string(box.bottom);
}

int CheckPage(const std::string& path) {
  const std::optional<RenderedPage> page = ReadPpm(path);
  if (!page) {
    Report("FAIL", "cannot read " + path);
    return 1;
  }
  Report("page", std::to_string(page->width) + "x" + std::to_string(page->height));
  // A4 landscape at 300 dpi: 3507.9 x 2480.3 pixels, rounded either way.
  Check(std::abs(page->width - 3508) <= 1 && std::abs(page->height - 2480) <= 1,
        "an A4 landscape page at 300 dpi");
  if (failures) return 1;

  const Box picture =
      Bounds(*page, 0, page->height, [](std::uint32_t c) { return Bluish(c) || Reddish(c); });
  const Box red = Bounds(*page, 0, page->height, Reddish);
  Report("picture", Describe(picture));
  Report("red", Describe(red));
  Check(Near(picture.left, kLeft) && Near(picture.top, kTop) && Near(picture.right, kRight) &&
            Near(picture.bottom, kBottom),
        "the picture where the layout puts it");
  const double midX = (kLeft + kRight) / 2, midY = (kTop + kBottom) / 2;
  Check(Near(red.left, kLeft) && Near(red.top, kTop) && Near(red.right, midX) &&
            Near(red.bottom, midY),
        "the red quarter at the top left");

  // The heading line: dark pixels between its top and the picture.
  const Box heading =
      Bounds(*page, static_cast<int>(kHeadingTop) - 10, static_cast<int>(kTop) - 2, Dark);
  Report("heading", Describe(heading));
  Check(!heading.empty() && heading.top >= kHeadingTop - kTolerance && heading.bottom < kTop,
        "a heading line above the picture");
  // The date ends 50 twips (10.4 pixels) left of the picture's right edge.
  Check(
      !heading.empty() && heading.right <= kRight - 10.4 + 1 && heading.right > kRight - 10.4 - 12,
      "the date right-aligned to the picture");
  // The heading text alone, left of the date: centred on the page, as the
  // margins are equal.
  const Box text =
      Bounds(*page, static_cast<int>(kHeadingTop) - 10, static_cast<int>(kTop) - 2, Dark, 0, 2800);
  Report("heading-text", Describe(text));
  Check(!text.empty() && std::abs((text.left + text.right) / 2.0 - page->width / 2.0) < 8,
        "the heading centred between the margins");
  // Nothing else is drawn.
  const Box top = Bounds(*page, 0, static_cast<int>(kHeadingTop) - 10,
                         [](std::uint32_t c) { return c != 0xFFFFFF; });
  const Box bottom = Bounds(*page, static_cast<int>(kBottom) + 4, page->height,
                            [](std::uint32_t c) { return c != 0xFFFFFF; });
  Check(top.empty() && bottom.empty(), "a blank page around the heading and picture");
  return failures ? 1 : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(kx::win::WideToUtf8(argv[i]));
  int status = 2;
  if (args.size() == 1 && args[0] == "printers") status = Printers();
  if (args.size() == 2 && args[0] == "page") status = PrintPage(args[1], 1);
  if (args.size() == 3 && args[0] == "page") {
    status = PrintPage(args[1], static_cast<std::int16_t>(std::stoi(args[2])));
  }
  if (args.size() == 1 && args[0] == "fail") status = Fail();
  if (args.size() == 2 && args[0] == "check") status = CheckPage(args[1]);
  if (status == 2)
    std::fprintf(stderr, "usage: print_probe printers|page <printer> [quality]|fail|check <ppm>\n");
  std::fflush(stdout);
  return failures ? 1 : status;
}
