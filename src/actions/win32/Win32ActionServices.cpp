#include "actions/win32/Win32ActionServices.h"

#include "actions/win32/Printing.h"
#include "base/ProductNames.h"
#include "base/win32/Files.h"
#include "base/win32/MessageBox.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/StandardStreams.h"
#include "capture/win32/BitmapPixels.h"
#include "capture/win32/Capture.h"
#include "capture/win32/Clipboard.h"
#include "capture/win32/SaveSurface.h"
#include "capture/win32/ScreenCapture.h"
#include "capture/win32/SurfaceColors.h"
#include "notices/win32/Notices.h"

namespace kx::win {
namespace {

// A capture that gave no picture ends the action: there is nothing to save.
void RequirePicture(const PictureSurface& surface) {
  if (!surface.GetPicture()) throw ActionError(std::string(kCaptureFailedText));
}

}  // namespace

Win32ActionServices::Win32ActionServices(HWND mainWindow, PictureSurface& surface)
    : mainWindow_(mainWindow), surface_(surface) {}

void Win32ActionServices::CopyDesktopToSurface(Screen screen) {
  surface_.SetAutoRedraw(false);
  captureOrigin_ = CopyScreenToSurface(surface_, screen);
  RequirePicture(surface_);
}

void Win32ActionServices::CopyForegroundToSurface() {
  surface_.SetAutoRedraw(false);
  kx::win::CopyForegroundToSurface(surface_);
  RequirePicture(surface_);
}

void Win32ActionServices::DrawPointerOnSurface(bool foregroundCapture) {
  surface_.SetAutoRedraw(true);
  if (foregroundCapture) {
    DrawPointer(surface_.DrawingDc(), true, mainWindow_);
  } else {
    DrawPointerAt(surface_.DrawingDc(), captureOrigin_, mainWindow_);
  }
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
  kx::win::ReduceSurfaceColors(dc.get(), surface_, colors);
}

SaveResult Win32ActionServices::SaveSurfaceBmp(const std::string& fileName, SaveMode mode) {
  return kx::win::SaveSurfaceBmp(surface_, fileName, mode);
}

SaveResult Win32ActionServices::SaveSurfacePng(const std::string& fileName, SaveMode mode) {
  return kx::win::SaveSurfacePng(surface_, fileName, mode);
}

PrintReport Win32ActionServices::PrintSurface(const CaptureSettings& settings) {
  const Picture& picture = surface_.GetPicture();
  const Rgb32Image pixels = ReadPixels(picture);
  const PrintParameters parameters{
      settings.printPercent, settings.headerText,  settings.headerLayout, settings.quality,
      settings.marginLeft,   settings.marginRight, settings.marginTop,    settings.marginBottom,
      settings.printDate,    settings.orientation};
  return kx::win::PrintSurface(pixels, picture.WidthHimetric(), picture.HeightHimetric(),
                               parameters, settings.printer);
}

// The spare bitmap's timer runs on the main window.
void Win32ActionServices::ReleaseSurface() { surface_.Release(mainWindow_); }
void Win32ActionServices::CopySurfaceToClipboard() {
  CopyPictureToClipboard(mainWindow_, surface_.GetPicture());
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

void Win32ActionServices::ReportOutcome(const ActionResult& result) {
  if (result.outcome == ActionOutcome::Done) {
    WriteStandardLine(STD_OUTPUT_HANDLE, result.line);
  } else {
    WriteStandardLine(STD_ERROR_HANDLE, std::string(kErrorTitle) + ": " + result.line);
  }
}

}  // namespace kx::win
