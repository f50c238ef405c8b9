#include "actions/win32/Win32ActionServices.h"

#include "actions/win32/Printing.h"
#include "base/ProductNames.h"
#include "base/win32/Files.h"
#include "base/win32/MessageBox.h"
#include "base/win32/ScopedWin.h"
#include "capture/win32/BitmapPixels.h"
#include "capture/win32/Capture.h"
#include "capture/win32/SaveBmp.h"
#include "capture/win32/SurfaceColors.h"
#include "notices/win32/Notices.h"

namespace kx::win {

Win32ActionServices::Win32ActionServices(HWND mainWindow, PictureSurface& surface)
    : mainWindow_(mainWindow), surface_(surface) {}

void Win32ActionServices::CopyDesktopToSurface() {
  surface_.SetAutoRedraw(false);
  kx::win::CopyDesktopToSurface(surface_);
}

void Win32ActionServices::CopyForegroundToSurface() {
  surface_.SetAutoRedraw(false);
  kx::win::CopyForegroundToSurface(surface_);
}

void Win32ActionServices::DrawPointerOnSurface(bool foregroundCapture) {
  surface_.SetAutoRedraw(true);
  DrawPointer(surface_.DrawingDc(), foregroundCapture, mainWindow_);
  surface_.SetAutoRedraw(false);
  surface_.AdoptImage();
}

void Win32ActionServices::InvertSurface() {
  surface_.SetAutoRedraw(true);
  surface_.PaintPicture(DSTINVERT);
  surface_.AdoptImage();
  surface_.SetAutoRedraw(false);
  surface_.Refresh();
}

void Win32ActionServices::ReduceSurfaceColors(std::int16_t colors) {
  const WindowDc dc = WindowDc::Client(mainWindow_);
  kx::win::ReduceSurfaceColors(dc.get(), surface_, colors, true);
}

SaveResult Win32ActionServices::SaveSurfaceBmp(const std::string& fileName, SaveMode mode) {
  return kx::win::SaveSurfaceBmp(surface_, fileName, mode);
}

bool Win32ActionServices::PrintSurface(const CaptureSettings& settings) {
  const Picture& picture = surface_.GetPicture();
  const Rgb32Image pixels = ReadPixels(picture);
  const PrintParameters parameters{settings.printPercent, settings.headerText,
                                   settings.headerLayout, settings.quality,
                                   settings.marginLeft,   settings.marginRight,
                                   settings.marginTop,    settings.marginBottom,
                                   settings.printDate,    settings.orientation};
  const PrintOutcome outcome = kx::win::PrintSurface(
      pixels, picture.WidthHimetric(), picture.HeightHimetric(), parameters, settings.printer);
  if (const auto message = PrintOutcomeMessage(outcome)) throw ActionError(message->text);
  return outcome == PrintOutcome::Printed;
}

bool Win32ActionServices::DirectoryExists(const std::string& path) {
  return kx::win::DirectoryExists(path);
}

bool Win32ActionServices::PlainFileExists(const std::string& path) {
  return kx::win::PlainFileExists(path);
}

void Win32ActionServices::ShowResultNotice(const std::string& text) {
  kx::win::ShowResultNotice(text);
}

void Win32ActionServices::ShowSaveAbortedNotice() { kx::win::ShowSaveAbortedNotice(); }

void Win32ActionServices::ShowErrorBox(const std::string& text) {
  ShowMessageBox(nullptr, MessageText{std::string(kErrorTitle), text}, MB_ICONERROR);
}

}  // namespace kx::win
