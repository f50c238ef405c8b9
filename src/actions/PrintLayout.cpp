#include "actions/PrintLayout.h"

#include <cmath>
#include <new>

#include "actions/ErrorRecord.h"
#include "actions/PageLengths.h"
#include "actions/PrintError.h"

namespace kx {
namespace {

constexpr double kHeadingRoom = 300.0;  // above the picture area, in twips
constexpr double kHeadingRise = 250.0;  // heading top above the picture top
constexpr double kRightInset = 50.0;    // right-aligned text ends this far inside
constexpr double kHeadingPoints = 9.0;

double Divide(double dividend, double divisor) {
  if (divisor == 0.0) throw PrintError::DivisionByZero();
  const double quotient = dividend / divisor;
  if (!std::isfinite(quotient)) throw PrintError::Overflow();
  return quotient;
}

// The picture's place in twips, offsets relative to the margins.
struct Placement {
  double x0 = 0.0;
  double y0 = 0.0;
  double width = 0.0;
  double height = 0.0;
};

// The largest fit of aspect ratio `a` into Aw x Ah HIMETRIC (area ratio `r`),
// centred; a picture as wide relative to its height as the area fits by width.
Placement Fit(double a, double r, double Aw, double Ah) {
  Placement fit;
  if (a >= r) {
    const double h = Divide(Aw, a);
    fit.width = HimetricToTwips(Aw);
    fit.height = HimetricToTwips(h);
    fit.y0 = HimetricToTwips((Ah - h) / 2.0);
  } else {
    const double w = Ah * a;
    fit.height = HimetricToTwips(Ah);
    fit.width = HimetricToTwips(w);
    fit.x0 = HimetricToTwips((Aw - w) / 2.0);
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

// The heading line with its top edge at `top`; right-aligned text ends
// kRightInset left of `right`. Each step sets `trapNumber`.
void PrintHeading(PrinterBackend& printer, const PrintParameters& parameters, const LocalTime& now,
                  double L, double R, double top, double right, std::int16_t& trapNumber) {
  const bool withDate = parameters.printDate;
  if (parameters.headerLayout == HeaderLayout::Centred) {
    const std::string& text = parameters.headerText;
    const float x = ToSingle((printer.PageWidth() - printer.TextWidth(text) + L - R) / 2.0);
    trapNumber = 12;
    printer.DrawTextAt(x, ToSingle(top), text);
    if (!withDate) return;
    trapNumber = 13;
    const std::string date = FormatPrintDate(now);
    const float dateX = ToSingle(right - printer.TextWidth(date) - kRightInset);
    const float dateY = ToSingle(top);
    trapNumber = 14;
    printer.DrawTextAt(dateX, dateY, date);
  } else if (parameters.headerLayout == HeaderLayout::RightAligned) {
    const std::string line =
        withDate ? parameters.headerText + " " + FormatPrintDate(now) : parameters.headerText;
    trapNumber = 15;
    const float x = ToSingle(right - printer.TextWidth(line) - kRightInset);
    printer.DrawTextAt(x, ToSingle(top), line);
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
    if (parameters.quality == PrintQuality::Draft) {
      SetPrintQuality(printer, kQualityDraft);
    } else if (parameters.quality == PrintQuality::High) {
      SetPrintQuality(printer, kQualityMedium);
      SetPrintQuality(printer, kQualityHigh);
    }

    trapNumber = 2;
    printer.SetOrientation(parameters.orientation);

    trapNumber = 3;
    const double L = MillimetresToTwips(parameters.marginLeft);
    const double R = MillimetresToTwips(parameters.marginRight);
    const double T = MillimetresToTwips(parameters.marginTop) + kHeadingRoom;
    const double B = MillimetresToTwips(parameters.marginBottom);

    trapNumber = 4;
    const double a = Divide(picture.widthHimetric, picture.heightHimetric);

    trapNumber = 5;
    const double Aw =
        static_cast<double>(TwipsToHimetric(printer.PageWidth())) - TwipsToHimetric(L + R);
    const double Ah =
        static_cast<double>(TwipsToHimetric(printer.PageHeight())) - TwipsToHimetric(T + B);
    if (!(Aw > 0.0 && Ah > 0.0)) throw PrintError::NoPrintableArea();

    trapNumber = 6;
    const double r = Divide(Aw, Ah);

    trapNumber = 7;
    const Placement fit = Fit(a, r, Aw, Ah);

    trapNumber = 8;
    const Placement placed = Scale(fit, parameters.percent);

    trapNumber = 9;
    printer.DrawPicture(picture, ToSingle(L + placed.x0), ToSingle(T + placed.y0), placed.width,
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
