#pragma once
// The printer as the print-out sees it: the installed printers and one page
// on the current one, made anew for each print-out. Lengths are twips from
// the top-left corner of the printable area. Operations that fail throw
// PrintError.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "actions/PrintParameters.h"

namespace kx {

class PrinterBackend {
 public:
  virtual ~PrinterBackend() = default;

  // Device names of the installed printers, in the system's order.
  virtual std::vector<std::string> InstalledPrinters() = 0;
  // Device name of the printer that receives the page; empty when none.
  virtual std::string CurrentPrinter() = 0;
  // Makes InstalledPrinters()[index] the current printer.
  virtual void SetCurrentPrinter(std::size_t index) = 0;

  // Print resolution code: -1 draft, -3 medium, -4 high.
  virtual void SetQuality(std::int16_t quality) = 0;
  // Refused for any value but portrait and landscape.
  virtual void SetOrientation(Orientation orientation) = 0;

  // Size of the printable area.
  virtual double PageWidth() = 0;
  virtual double PageHeight() = 0;

  // Draws the picture stretched into the rectangle. The first drawing opens
  // the print job and its page.
  virtual void DrawPicture(const PrintPicture& picture, float x, float y, double width,
                           double height) = 0;

  virtual void SetFontSize(double points) = 0;
  virtual double TextWidth(const std::string& text) = 0;
  // Draws the text with its top-left corner at the point.
  virtual void DrawTextAt(float x, float y, const std::string& text) = 0;

  // Sends the open job, if any.
  virtual void EndJob() = 0;
  // Discards the open job, if any; never fails.
  virtual void AbortJob() = 0;
};

}  // namespace kx
