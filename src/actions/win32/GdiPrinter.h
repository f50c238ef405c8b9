#pragma once
// The printer back end on GDI, in twips from the top-left corner of the
// printable area. The printer's device mode carries the orientation and
// quality; its device context is made on first use and the document with its
// one page is opened by the first drawing.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "actions/PrinterBackend.h"
#include "actions/win32/PrinterDevMode.h"
#include "base/win32/ScopedWin.h"

namespace kx::win {

class GdiPrinter final : public PrinterBackend {
 public:
  // The installed printers, with the default one current.
  GdiPrinter();
  // Aborts a document still open.
  ~GdiPrinter() override;
  GdiPrinter(const GdiPrinter&) = delete;
  GdiPrinter& operator=(const GdiPrinter&) = delete;

  std::vector<std::string> InstalledPrinters() override;
  std::string CurrentPrinter() override;
  void SetCurrentPrinter(std::size_t index) override;
  void SetQuality(std::int16_t quality) override;
  void SetOrientation(Orientation orientation) override;
  double PageWidth() override;
  double PageHeight() override;
  void DrawPicture(const PrintPicture& picture, float x, float y, double width,
                   double height) override;
  void SetFontSize(double points) override;
  double TextWidth(const std::string& text) override;
  void DrawTextAt(float x, float y, const std::string& text) override;
  void EndJob() override;
  void AbortJob() override;

 private:
  PrinterDevMode& DevMode();
  // Replaces the device mode's settings; the device context follows.
  void ChangeDevMode(const std::string& setting, const std::function<void(DEVMODEW&)>& change,
                     const std::function<bool(const DEVMODEW&)>& kept);
  HDC Dc();
  HDC PageDc();  // opens the document and its page when not yet open
  void ReleaseDc();
  int DeviceX(double twips);
  int DeviceY(double twips);

  std::vector<std::string> printers_;
  std::string current_;
  std::optional<PrinterDevMode> devMode_;
  DcHandle dc_;
  FontHandle font_;
  std::optional<ScopedSelectObject> fontSelection_;
  bool documentOpen_ = false;
};

}  // namespace kx::win
