// A capture printed with any margins, percent, heading, quality and
// orientation, on a printer of any page size, failing at any step: the action
// brings the percent into range, and the print-out either draws one picture
// of no negative size inside the margins, with finite coordinates, and sends
// the job, or reports one error record and sends nothing. No exception leaves
// the print-out, and the action tells its outcome once: done for a printed
// page, a print failure (with an error box for a page not sent or no printer)
// otherwise.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "actions/CaptureAction.h"
#include "actions/FakePrinter.h"
#include "actions/PrintLayout.h"
#include "actions/PrintOut.h"

namespace {

using kx::test::FakePrinter;

using kx::fuzz::Check;

constexpr double kTwipsPerMillimetre = 1440.0 / 25.4;

// The picture drawn: of no negative size, with finite coordinates, in its own
// proportions, centred between the margins at the percent of the size that
// meets them.
void CheckPage(const FakePrinter& printer, const kx::CaptureSettings& settings,
               const kx::PrintPicture& picture) {
  Check(printer.paints.size() == 1);
  const kx::test::PaintCall& paint = printer.paints.front();
  Check(std::isfinite(paint.x) && std::isfinite(paint.y));
  Check(std::isfinite(paint.width) && std::isfinite(paint.height));
  Check(paint.width >= 0.0 && paint.height >= 0.0);
  Check(std::isfinite(paint.x + paint.width) && std::isfinite(paint.y + paint.height));

  const double unit = kTwipsPerMillimetre;
  const double left = settings.marginLeft * unit;
  const double right = printer.width - settings.marginRight * unit;
  const double top = settings.marginTop * unit + 300.0;  // the heading's room
  const double bottom = printer.height - settings.marginBottom * unit;
  const double slack =
      1e-4 * (std::fabs(left) + std::fabs(right) + std::fabs(top) + std::fabs(bottom) +
              std::fabs(printer.width) + std::fabs(printer.height));
  Check(paint.x >= left - slack && paint.x + paint.width <= right + slack);
  Check(paint.y >= top - slack && paint.y + paint.height <= bottom + slack);
  // Centred between the margins, and at the percent of the size that meets them.
  Check(std::fabs(paint.x + paint.width / 2 - (left + right) / 2) <= slack);
  Check(std::fabs(paint.y + paint.height / 2 - (top + bottom) / 2) <= slack);
  const double scale = settings.printPercent / 100.0;
  Check(std::fabs(paint.width - scale * (right - left)) <= slack ||
        std::fabs(paint.height - scale * (bottom - top)) <= slack);
  // The picture's own proportions, where neither side is lost below float precision.
  const double tiny = 1e-30;
  if (picture.heightHimetric > 0 && paint.width > tiny && paint.height > tiny) {
    const double ratio = picture.widthHimetric / picture.heightHimetric;
    Check(std::fabs(paint.width / paint.height - ratio) <= 1e-4 * ratio);
  }
  for (const kx::test::PrintCall& print : printer.prints) {
    Check(std::isfinite(print.x) && std::isfinite(print.y));
  }
}

// Prints through the print-out, on a fake printer, and checks its outcome.
class PrintingServices final : public kx::ActionServices {
 public:
  PrintingServices(FakePrinter& printer, const kx::PrintPicture& picture)
      : printer_(printer), picture_(picture) {}

  void CopyDesktopToSurface(kx::Screen) override {}
  void CopyForegroundToSurface() override {}
  void DrawPointerOnSurface(bool) override {}
  void InvertSurface() override {}
  void ReduceSurfaceColors(std::int16_t) override { std::abort(); }
  kx::SaveResult SaveSurfaceBmp(const std::string&, kx::SaveMode) override { std::abort(); }
  kx::SaveResult SaveSurfacePng(const std::string&, kx::SaveMode) override { std::abort(); }
  void CopySurfaceToClipboard() override {}
  bool DirectoryExists(const std::string&) override { std::abort(); }
  bool PlainFileExists(const std::string&) override { std::abort(); }
  void ShowResultNotice(const std::string&) override {}
  void ShowSaveAbortedNotice() override { std::abort(); }
  void ShowErrorBox(const std::string&) override {
    Check(outcome_ == kx::PrintOutcome::NotSent || outcome_ == kx::PrintOutcome::NoPrinter);
    Check(!reported_.empty());
    ++errorBoxes_;
  }
  void ReportOutcome(const kx::ActionResult& result) override { reported_.push_back(result); }
  void ReleaseSurface() override {}

  // What the action told of the print-out, once it has returned.
  void CheckTold() const {
    Check(reported_.size() == 1);
    const bool printed = outcome_ == kx::PrintOutcome::Printed;
    Check(reported_.front().outcome ==
          (printed ? kx::ActionOutcome::Done : kx::ActionOutcome::PrintFailed));
    const bool box =
        outcome_ == kx::PrintOutcome::NotSent || outcome_ == kx::PrintOutcome::NoPrinter;
    Check(errorBoxes_ == (box ? 1 : 0));
  }

  kx::PrintReport PrintSurface(const kx::CaptureSettings& settings) override {
    Check(settings.printPercent >= 1 && settings.printPercent <= 100);
    const kx::PrintParameters parameters{
        settings.printPercent, settings.headerText,  settings.headerLayout, settings.quality,
        settings.marginLeft,   settings.marginRight, settings.marginTop,    settings.marginBottom,
        settings.printDate,    settings.orientation};
    kx::test::FakeReporter reporter;
    const kx::PrintReport report = kx::PrintSurface(printer_, reporter, picture_, parameters,
                                                    settings.printer, {2024, 1, 31, 9, 5});
    Check(!printer_.jobOpen);
    switch (report.outcome) {
      case kx::PrintOutcome::Printed:
        CheckPage(printer_, settings, picture_);
        Check(reporter.records.empty() && printer_.sentJobs == 1);
        break;
      case kx::PrintOutcome::Failed:
        Check(reporter.records.size() == 1 && printer_.sentJobs == 0);
        break;
      case kx::PrintOutcome::NotSent:
        CheckPage(printer_, settings, picture_);
        Check(reporter.records.empty() && printer_.sentJobs == 0);
        break;
      case kx::PrintOutcome::PrinterNotFound:
      case kx::PrintOutcome::NoPrinter:
        Check(printer_.paints.empty() && reporter.records.empty());
        break;
    }
    outcome_ = report.outcome;
    return report;
  }

 private:
  FakePrinter& printer_;
  const kx::PrintPicture& picture_;
  kx::PrintOutcome outcome_ = kx::PrintOutcome::Printed;
  std::vector<kx::ActionResult> reported_;
  int errorBoxes_ = 0;
};

// Mostly ordinary sizes, sometimes any value at all.
double Length(FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
      return input.ConsumeFloatingPointInRange(0.0, 40000.0);
    case 1:
      return input.ConsumeFloatingPoint<double>();
    case 2:
      return input.PickValueInArray({0.0, -1.0, std::numeric_limits<double>::infinity(),
                                     std::numeric_limits<double>::quiet_NaN(),
                                     std::numeric_limits<double>::denorm_min(),
                                     static_cast<double>(std::numeric_limits<float>::max())});
    default:
      return input.ConsumeFloatingPointInRange(-1e40, 1e40);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  kx::CaptureSettings settings = kx::DefaultCaptureSettings("C:\\Kx");
  settings.printPercent = input.ConsumeIntegral<std::int16_t>();
  settings.marginLeft = input.ConsumeIntegral<std::int16_t>();
  settings.marginRight = input.ConsumeIntegral<std::int16_t>();
  settings.marginTop = input.ConsumeIntegral<std::int16_t>();
  settings.marginBottom = input.ConsumeIntegral<std::int16_t>();
  settings.headerLayout = kx::HeaderLayout{input.ConsumeIntegralInRange<std::int16_t>(-1, 2)};
  settings.printDate = input.ConsumeBool();
  settings.quality = kx::PrintQuality{input.ConsumeIntegralInRange<std::int16_t>(-1, 3)};
  settings.orientation = kx::Orientation{input.ConsumeIntegral<std::int16_t>()};
  settings.printer = input.PickValueInArray({"", "PDF", "  PDF ", "Office", "Gone"});
  settings.headerText = input.ConsumeRandomLengthString(40);

  FakePrinter printer;
  const int printers = input.ConsumeIntegralInRange(0, 2);
  printer.installed = {"PDF", "Office"};
  printer.installed.resize(static_cast<std::size_t>(printers));
  printer.width = Length(input);
  printer.height = Length(input);
  if (input.ConsumeBool()) printer.refusedQualities = {kx::kQualityDraft, kx::kQualityHigh};
  if (input.ConsumeBool()) {
    printer.failOn =
        input.PickValueInArray({"SetQuality", "SetOrientation", "PageWidth", "PageHeight",
                                "DrawPicture", "SetFontSize", "TextWidth", "DrawTextAt", "EndJob"});
    printer.failOnCall = input.ConsumeIntegralInRange(1, 4);
    // Only the drawing steps allocate; sending the job does not.
    printer.failWithBadAlloc = printer.failOn != "EndJob" && input.ConsumeBool();
  }

  const kx::Rgb32Image pixels{1, 1, {0}};
  const auto himetric = [&] {
    return input.ConsumeBool()
               ? input.ConsumeIntegralInRange(0, 100000)
               : input.ConsumeIntegralInRange(0, std::numeric_limits<std::int32_t>::max());
  };
  const double pictureWidth = himetric();
  const double pictureHeight = himetric();
  const kx::PrintPicture picture{pixels, pictureWidth, pictureHeight};

  PrintingServices services(printer, picture);
  const std::int16_t percent = settings.printPercent;
  kx::RunCaptureAction(0, settings, "C:\\Kx", services);
  services.CheckTold();
  Check(settings.printPercent == (percent >= 1 && percent <= 100 ? percent : 100));
  return 0;
}
