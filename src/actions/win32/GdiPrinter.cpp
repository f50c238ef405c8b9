#include "actions/win32/GdiPrinter.h"

#include <cmath>
#include <limits>

#include "actions/PrintError.h"
#include "base/ProductNames.h"
#include "base/Twips.h"
#include "base/win32/PrinterList.h"
#include "base/win32/Strconv.h"

namespace kx::win {
namespace {

int ToDevice(double twips, int pixelsPerInch) {
  const double pixels = std::round(twips * pixelsPerInch / kTwipsPerInch);
  if (!(std::fabs(pixels) <= std::numeric_limits<int>::max())) throw PrintError::Overflow();
  return static_cast<int>(pixels);
}

int Caps(HDC dc, int index) { return ::GetDeviceCaps(dc, index); }

}  // namespace

GdiPrinter::GdiPrinter() : printers_(InstalledPrinterNames()), current_(DefaultPrinterName()) {}

GdiPrinter::~GdiPrinter() { ReleaseDc(); }

std::vector<std::string> GdiPrinter::InstalledPrinters() { return printers_; }

std::string GdiPrinter::CurrentPrinter() { return current_; }

void GdiPrinter::SetCurrentPrinter(std::size_t index) {
  ReleaseDc();
  devMode_.reset();
  current_ = printers_.at(index);
}

PrinterDevMode& GdiPrinter::DevMode() {
  if (!devMode_) devMode_.emplace(current_);
  return *devMode_;
}

void GdiPrinter::ChangeDevMode(const std::string& setting,
                               const std::function<void(DEVMODEW&)>& change,
                               const std::function<bool(const DEVMODEW&)>& kept) {
  if (documentOpen_ || !DevMode().Change(change, kept)) throw PrintError::RefusedSetting(setting);
  ReleaseDc();
}

void GdiPrinter::SetQuality(std::int16_t quality) {
  ChangeDevMode(
      "PrintQuality=" + std::to_string(quality),
      [&](DEVMODEW& mode) {
        mode.dmPrintQuality = quality;
        mode.dmFields |= DM_PRINTQUALITY;
      },
      [&](const DEVMODEW& mode) { return mode.dmPrintQuality == quality; });
}

void GdiPrinter::SetOrientation(Orientation orientation) {
  const std::string setting = "Orientation=" + std::to_string(static_cast<int>(orientation));
  if (orientation != Orientation::Portrait && orientation != Orientation::Landscape) {
    throw PrintError::RefusedSetting(setting);
  }
  const short code = orientation == Orientation::Portrait ? DMORIENT_PORTRAIT : DMORIENT_LANDSCAPE;
  ChangeDevMode(
      setting,
      [&](DEVMODEW& mode) {
        mode.dmOrientation = code;
        mode.dmFields |= DM_ORIENTATION;
      },
      [&](const DEVMODEW& mode) { return mode.dmOrientation == code; });
}

HDC GdiPrinter::Dc() {
  if (!dc_) {
    dc_.reset(::CreateDCW(L"WINSPOOL", Utf8ToWide(current_).c_str(), nullptr, &DevMode().get()));
    if (!dc_) throw PrintError::PrinterCall("CreateDC");
  }
  return dc_.get();
}

HDC GdiPrinter::PageDc() {
  const HDC dc = Dc();
  if (documentOpen_) return dc;
  const std::wstring name = Utf8ToWide(kPrintDocumentName);
  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = name.c_str();
  if (::StartDocW(dc, &document) <= 0) throw PrintError::PrinterCall("StartDoc");
  if (::StartPage(dc) <= 0) {
    ::AbortDoc(dc);
    throw PrintError::PrinterCall("StartPage");
  }
  documentOpen_ = true;
  return dc;
}

void GdiPrinter::ReleaseDc() {
  AbortJob();
  fontSelection_.reset();
  font_.reset();
  dc_.reset();
}

int GdiPrinter::DeviceX(double twips) { return ToDevice(twips, Caps(Dc(), LOGPIXELSX)); }

int GdiPrinter::DeviceY(double twips) { return ToDevice(twips, Caps(Dc(), LOGPIXELSY)); }

double GdiPrinter::PageWidth() {
  const HDC dc = Dc();
  return Caps(dc, HORZRES) * kTwipsPerInch / Caps(dc, LOGPIXELSX);
}

double GdiPrinter::PageHeight() {
  const HDC dc = Dc();
  return Caps(dc, VERTRES) * kTwipsPerInch / Caps(dc, LOGPIXELSY);
}

void GdiPrinter::DrawPicture(const PrintPicture& picture, float x, float y, double width,
                             double height) {
  const Rgb32Image& pixels = picture.pixels;
  if (pixels.width <= 0 || pixels.height <= 0 ||
      pixels.pixels.size() !=
          static_cast<size_t>(pixels.width) * static_cast<size_t>(pixels.height)) {
    throw PrintError::PrinterCall("PaintPicture");  // the log's name for this drawing
  }
  const HDC dc = PageDc();
  const int left = DeviceX(x);
  const int top = DeviceY(y);
  const int right = DeviceX(static_cast<double>(x) + width);
  const int bottom = DeviceY(static_cast<double>(y) + height);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;  // rows top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  ::SetStretchBltMode(dc, HALFTONE);
  ::SetBrushOrgEx(dc, 0, 0, nullptr);
  const int lines = ::StretchDIBits(dc, left, top, right - left, bottom - top, 0, 0, pixels.width,
                                    pixels.height, pixels.pixels.data(), &info, DIB_RGB_COLORS,
                                    SRCCOPY);  // 0 or GDI_ERROR (-1) on failure
  if (lines <= 0) throw PrintError::PrinterCall("StretchDIBits");
}

void GdiPrinter::SetFontSize(double points) {
  const HDC dc = Dc();
  LOGFONTW font{};
  font.lfHeight = -ToDevice(points * 20.0, Caps(dc, LOGPIXELSY));  // 20 twips a point
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;  // Japanese text renders on every driver
  ::GetTextFaceW(dc, LF_FACESIZE, font.lfFaceName);
  FontHandle created(::CreateFontIndirectW(&font));
  if (!created) throw PrintError::PrinterCall("CreateFont");
  fontSelection_.reset();
  font_ = std::move(created);
  fontSelection_.emplace(dc, font_.get());
}

double GdiPrinter::TextWidth(const std::string& text) {
  const HDC dc = Dc();
  const std::wstring wide = Utf8ToWide(text);
  SIZE size{};
  if (!::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size)) {
    throw PrintError::PrinterCall("GetTextExtentPoint32");
  }
  return size.cx * kTwipsPerInch / Caps(dc, LOGPIXELSX);
}

void GdiPrinter::DrawTextAt(float x, float y, const std::string& text) {
  const HDC dc = PageDc();
  const std::wstring wide = Utf8ToWide(text);
  if (wide.empty()) return;
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  if (!::TextOutW(dc, DeviceX(x), DeviceY(y), wide.c_str(), static_cast<int>(wide.size()))) {
    throw PrintError::PrinterCall("TextOut");
  }
}

void GdiPrinter::EndJob() {
  if (!documentOpen_) return;
  documentOpen_ = false;
  if (::EndPage(dc_.get()) <= 0) {
    ::AbortDoc(dc_.get());
    throw PrintError::PrinterCall("EndPage");
  }
  if (::EndDoc(dc_.get()) <= 0) throw PrintError::PrinterCall("EndDoc");
}

void GdiPrinter::AbortJob() {
  if (!documentOpen_) return;
  documentOpen_ = false;
  ::AbortDoc(dc_.get());  // under Wine it reports failure yet drops the job
}

}  // namespace kx::win
