#include "actions/PrintLayout.h"

#include <cmath>
#include <new>

#include "actions/ErrorRecord.h"
#include "actions/PrintError.h"

namespace kx {
namespace {

constexpr double kHeadingRoom = 300.0;  // above the picture area, in drawing units
constexpr double kHeadingRise = 250.0;  // heading top above the picture top
constexpr double kRightInset = 50.0;    // right-aligned text ends this far inside
constexpr double kHeadingPoints = 9.0;

double Divide(double dividend, double divisor) {
  if (divisor == 0.0) throw PrintError::DivisionByZero();
  const double quotient = dividend / divisor;
  if (!std::isfinite(quotient)) throw PrintError::Overflow();
  return quotient;
}

// Conversions between drawing units and other units; the scale mode is read
// again for each.
float ToDrawingX(PrinterBackend& printer, double value, ScaleUnit from) {
  return printer.ScaleX(ToSingle(value), from, printer.ScaleMode());
}
float ToDrawingY(PrinterBackend& printer, double value, ScaleUnit from) {
  return printer.ScaleY(ToSingle(value), from, printer.ScaleMode());
}
float FromDrawingX(PrinterBackend& printer, double value, ScaleUnit to) {
  return printer.ScaleX(ToSingle(value), printer.ScaleMode(), to);
}
float FromDrawingY(PrinterBackend& printer, double value, ScaleUnit to) {
  return printer.ScaleY(ToSingle(value), printer.ScaleMode(), to);
}

// The picture's place in drawing units, offsets relative to the margins.
struct Placement {
  double x0 = 0.0;
  double y0 = 0.0;
  double width = 0.0;
  double height = 0.0;
};

// The largest fit of aspect ratio `a` into Aw x Ah HIMETRIC (area ratio `r`),
// centred; a picture as wide relative to its height as the area fits by width.
Placement Fit(PrinterBackend& printer, double a, double r, double Aw, double Ah) {
  Placement fit;
  if (a >= r) {
    const double h = Divide(Aw, a);
    fit.width = ToDrawingX(printer, Aw, ScaleUnit::Himetric);
    fit.height = ToDrawingY(printer, h, ScaleUnit::Himetric);
    fit.y0 = ToDrawingY(printer, (Ah - h) / 2.0, ScaleUnit::Himetric);
  } else {
    const double w = Ah * a;
    fit.height = ToDrawingY(printer, Ah, ScaleUnit::Himetric);
    fit.width = ToDrawingX(printer, w, ScaleUnit::Himetric);
    fit.x0 = ToDrawingX(printer, (Aw - w) / 2.0, ScaleUnit::Himetric);
  }
  return fit;
}

// Scaled to `percent` and re-centred in the fitted rectangle.
Placement Scale(const Placement& fit, std::int16_t percent) {
  Placement scaled;
  scaled.width = percent / 100.0 * fit.width;
  scaled.height = percent / 100.0 * fit.height;
  scaled.x0 = fit.x0 + (fit.width - scaled.width) / 2.0;
  scaled.y0 = fit.y0 + (fit.height - scaled.height) / 2.0;
  return scaled;
}

void PrintAt(PrinterBackend& printer, double x, double y, const std::string& text) {
  printer.SetCurrentX(ToSingle(x));
  printer.SetCurrentY(ToSingle(y));
  printer.Print(text);
}

// The heading line with its top edge at `top`; right-aligned text ends
// kRightInset left of `right`. Each step sets `trapNumber`.
void PrintHeading(PrinterBackend& printer, const PrintParameters& parameters, const LocalTime& now,
                  double L, double R, double top, double right, std::int16_t& trapNumber) {
  const bool withDate = parameters.printDate == 1;
  if (parameters.headerLayout == 0) {
    const std::string& text = parameters.headerText;
    printer.SetCurrentX(ToSingle((printer.ScaleWidth() - printer.TextWidth(text) + L - R) / 2.0));
    trapNumber = 12;
    printer.SetCurrentY(ToSingle(top));
    printer.Print(text);
    if (!withDate) return;
    trapNumber = 13;
    const std::string date = FormatPrintDate(now);
    printer.SetCurrentX(ToSingle(right - printer.TextWidth(date) - kRightInset));
    printer.SetCurrentY(ToSingle(top));
    trapNumber = 14;
    printer.Print(date);
  } else if (parameters.headerLayout == 1) {
    const std::string line =
        withDate ? parameters.headerText + " " + FormatPrintDate(now) : parameters.headerText;
    trapNumber = 15;
    PrintAt(printer, right - printer.TextWidth(line) - kRightInset, top, line);
  }
}

}  // namespace

void SetPrintQuality(PrinterBackend& printer, std::int16_t value) {
  try {
    printer.SetQuality(value);
  } catch (const PrintError&) {
    // The printer keeps its own setting.
  }
}

bool PrintPictureToFitPage(PrinterBackend& printer, const PrintPicture& picture,
                           const PrintParameters& parameters, const LocalTime& now,
                           PrintErrorReporter& reporter) {
  std::int16_t trapNumber = 0;
  try {
    trapNumber = 1;
    if (parameters.quality == 0) {
      SetPrintQuality(printer, kQualityDraft);
    } else if (parameters.quality == 2) {
      SetPrintQuality(printer, kQualityMedium);
      SetPrintQuality(printer, kQualityHigh);
    }

    trapNumber = 2;
    printer.SetOrientation(parameters.orientation);

    trapNumber = 3;
    const double L = ToDrawingX(printer, parameters.marginLeft, ScaleUnit::Millimetres);
    const double R = ToDrawingX(printer, parameters.marginRight, ScaleUnit::Millimetres);
    const double T =
        ToDrawingY(printer, parameters.marginTop, ScaleUnit::Millimetres) + kHeadingRoom;
    const double B = ToDrawingY(printer, parameters.marginBottom, ScaleUnit::Millimetres);

    trapNumber = 4;
    const double a = Divide(picture.widthHimetric, picture.heightHimetric);

    trapNumber = 5;
    const double Aw =
        static_cast<double>(FromDrawingX(printer, printer.ScaleWidth(), ScaleUnit::Himetric)) -
        FromDrawingX(printer, L + R, ScaleUnit::Himetric);
    const double Ah =
        static_cast<double>(FromDrawingY(printer, printer.ScaleHeight(), ScaleUnit::Himetric)) -
        FromDrawingY(printer, T + B, ScaleUnit::Himetric);
    if (!(Aw > 0.0 && Ah > 0.0)) throw PrintError::NoPrintableArea();

    trapNumber = 6;
    const double r = Divide(Aw, Ah);

    trapNumber = 7;
    const Placement fit = Fit(printer, a, r, Aw, Ah);

    trapNumber = 8;
    const Placement placed = Scale(fit, parameters.percent);

    trapNumber = 9;
    printer.PaintPicture(picture, ToSingle(L + placed.x0), ToSingle(T + placed.y0), placed.width,
                         placed.height);

    trapNumber = 10;
    printer.SetFontSize(kHeadingPoints);

    trapNumber = 11;
    PrintHeading(printer, parameters, now, L, R, T + placed.y0 - kHeadingRise,
                 L + placed.x0 + placed.width, trapNumber);
    return true;
  } catch (const PrintError& error) {
    reporter.ReportPrintError(BuildErrorRecord(error, trapNumber, parameters));
  } catch (const std::bad_alloc&) {
    reporter.ReportPrintError(BuildErrorRecord(PrintError::OutOfMemory(), trapNumber, parameters));
  }
  return false;
}

}  // namespace kx
