#pragma once
// A capture action on the main window: its picture surface, the files, the
// printer and the notices.

#include <windows.h>

#include "actions/ActionServices.h"
#include "capture/ScreenArea.h"
#include "capture/win32/PictureSurface.h"

namespace kx::win {

class Win32ActionServices final : public ActionServices {
 public:
  Win32ActionServices(HWND mainWindow, PictureSurface& surface);

  void CopyDesktopToSurface(Screen screen) override;
  void CopyForegroundToSurface() override;
  void DrawPointerOnSurface(bool foregroundCapture) override;
  void InvertSurface() override;
  void ReduceSurfaceColors(std::int16_t colors) override;
  SaveResult SaveSurfaceBmp(const std::string& fileName, SaveMode mode) override;
  SaveResult SaveSurfacePng(const std::string& fileName, SaveMode mode) override;
  PrintReport PrintSurface(const CaptureSettings& settings) override;
  void ReleaseSurface() override;
  void CopySurfaceToClipboard() override;

  bool DirectoryExists(const std::string& path) override;
  bool PlainFileExists(const std::string& path) override;

  void ShowResultNotice(const std::string& text) override;
  void ShowSaveAbortedNotice() override;
  void ShowErrorBox(const std::string& text) override;
  void ReportOutcome(const ActionResult& result) override;

 private:
  HWND mainWindow_;
  PictureSurface& surface_;
  ScreenPoint captureOrigin_;  // of the last screen capture
};

}  // namespace kx::win
