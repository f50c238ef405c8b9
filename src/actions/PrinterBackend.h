#pragma once
// The printer as the print-out sees it. Coordinates are drawing units of the
// current scale (twips on a real printer), relative to the printable area's
// top-left corner. Operations that fail throw PrintError.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "actions/PrintParameters.h"
#include "actions/ScaleUnits.h"

namespace kx {

class PrinterBackend {
 public:
  virtual ~PrinterBackend() = default;

  // Device names of the installed printers, in the system's order.
  virtual std::vector<std::string> InstalledPrinters() = 0;
  // Device name of the printer that receives the drawing; empty when none.
  virtual std::string CurrentPrinter() = 0;
  // Makes InstalledPrinters()[index] the current printer.
  virtual void SetCurrentPrinter(std::size_t index) = 0;

  // Print resolution code: -1 draft, -3 medium, -4 high.
  virtual void SetQuality(std::int16_t quality) = 0;
  // 1 portrait, 2 landscape.
  virtual void SetOrientation(std::int16_t orientation) = 0;

  virtual ScaleUnit ScaleMode() = 0;
  // Size of the printable area in drawing units.
  virtual double ScaleWidth() = 0;
  virtual double ScaleHeight() = 0;
  virtual float ScaleX(float value, ScaleUnit from, ScaleUnit to) = 0;
  virtual float ScaleY(float value, ScaleUnit from, ScaleUnit to) = 0;

  // Draws the picture stretched into the rectangle. The first drawing opens
  // the print job and its page.
  virtual void PaintPicture(const PrintPicture& picture, float x, float y, double width,
                            double height) = 0;

  virtual void SetFontSize(double points) = 0;
  virtual double TextWidth(const std::string& text) = 0;
  virtual void SetCurrentX(float x) = 0;
  virtual void SetCurrentY(float y) = 0;
  // Prints the text with its top-left corner at the current position.
  virtual void Print(const std::string& text) = 0;

  // Sends the open job, if any.
  virtual void EndDoc() = 0;
  // Discards the open job, if any; never fails.
  virtual void KillDoc() = 0;
};

}  // namespace kx
