#include <gtest/gtest.h>

#include "FakePrinter.h"
#include "actions/PrintOut.h"

namespace kx {
namespace {

using test::FakePrinter;
using test::FakeReporter;

const Rgb32Image kPixels{2, 2, {0, 0, 0, 0}};
const LocalTime kNow{2024, 1, 31, 9, 5};

struct PrintJob {
  FakePrinter printer;
  FakeReporter reporter;
  PrintParameters parameters;
  double pictureHeight = 20320;

  PrintReport Report(const std::string& printerName) {
    return PrintSurface(printer, reporter, PrintPicture{kPixels, 27093, pictureHeight}, parameters,
                        printerName, kNow);
  }
  PrintOutcome Print(const std::string& printerName) { return Report(printerName).outcome; }
};

TEST(PrintSurface, PrintsOnTheCurrentPrinterWhenNoneIsNamed) {
  PrintJob job;
  job.printer.installed = {"Laser", "PDF"};
  job.printer.current = 1;
  EXPECT_EQ(job.Print(""), PrintOutcome::Printed);
  EXPECT_EQ(job.printer.sentJobs, 1);
  EXPECT_EQ(job.printer.paints.size(), 1u);
  EXPECT_EQ(job.printer.current, 1u);
  EXPECT_TRUE(job.reporter.records.empty());
}

TEST(PrintSurface, NamedPrinterIsFoundByItsTrimmedName) {
  PrintJob job;
  job.printer.installed = {"Laser", "PDF", "Ink Jet"};
  job.printer.current = 1;
  EXPECT_EQ(job.Print("  Ink Jet  "), PrintOutcome::Printed);
  EXPECT_EQ(job.printer.selections, (std::vector<std::size_t>{2}));
  EXPECT_EQ(job.printer.sentJobs, 1);
  // Blanks are tabs too, as everywhere in the settings; the report names the
  // printer used.
  for (const char* name : {"\tInk Jet", "Ink Jet\t", " \t Ink Jet\t "}) {
    PrintJob tabbed;
    tabbed.printer.installed = {"Laser", "PDF", "Ink Jet"};
    const PrintReport report = tabbed.Report(name);
    EXPECT_EQ(report.outcome, PrintOutcome::Printed) << name;
    EXPECT_EQ(report.printer, "Ink Jet") << name;
    EXPECT_EQ(tabbed.printer.selections, (std::vector<std::size_t>{2})) << name;
  }
}

TEST(PrintSurface, TheLastOfPrintersWithTheSameNameIsUsed) {
  PrintJob job;
  job.printer.installed = {"A", "B", "A"};
  job.printer.current = 0;
  EXPECT_EQ(job.Print("A"), PrintOutcome::Printed);
  EXPECT_EQ(job.printer.selections, (std::vector<std::size_t>{2}));
}

TEST(PrintSurface, UnknownOrDifferentlyCasedNamePrintsAndLogsNothing) {
  for (const char* name : {"pdf", "Laser2", "La ser", "P\tDF"}) {
    PrintJob job;
    job.printer.installed = {"Laser", "PDF"};
    EXPECT_EQ(job.Print(name), PrintOutcome::PrinterNotFound) << name;
    EXPECT_TRUE(job.printer.paints.empty());
    EXPECT_TRUE(job.printer.orientations.empty());
    EXPECT_EQ(job.printer.sentJobs + job.printer.abortedJobs, 0);
    EXPECT_TRUE(job.reporter.records.empty());
    EXPECT_EQ(job.printer.current, 0u);
    EXPECT_FALSE(PrintOutcomeMessage(PrintOutcome::PrinterNotFound));
  }
}

TEST(PrintSurface, FailedPrintOutIsLoggedOnceAndItsJobAborted) {
  PrintJob job;
  job.printer.failOn = "DrawTextAt";
  EXPECT_EQ(job.Print(""), PrintOutcome::Failed);
  EXPECT_EQ(job.printer.abortedJobs, 1);
  EXPECT_EQ(job.printer.sentJobs, 0);
  EXPECT_EQ(job.reporter.records.size(), 1u);
  EXPECT_FALSE(PrintOutcomeMessage(PrintOutcome::Failed));
}

TEST(PrintSurface, ZeroHeightPictureIsLoggedAsStepFourAndNothingIsSent) {
  PrintJob job;
  job.pictureHeight = 0;
  EXPECT_EQ(job.Print(""), PrintOutcome::Failed);
  ASSERT_EQ(job.reporter.records.size(), 1u);
  EXPECT_NE(job.reporter.records[0].find("\r\nTrapNo=4\r\n"), std::string::npos);
  EXPECT_EQ(job.printer.sentJobs, 0);
}

TEST(PrintSurface, NoPrinterAtAllIsAClearFailure) {
  PrintJob none;
  none.printer.installed.clear();
  EXPECT_EQ(none.Print(""), PrintOutcome::NoPrinter);
  EXPECT_EQ(none.Print("PDF"), PrintOutcome::NoPrinter);
  EXPECT_TRUE(none.printer.paints.empty());

  PrintJob noCurrent;
  noCurrent.printer.current = 5;  // printers installed, none current
  EXPECT_EQ(noCurrent.Print(" "), PrintOutcome::NoPrinter);
  EXPECT_TRUE(noCurrent.printer.paints.empty());
  EXPECT_EQ(noCurrent.Print("PDF"), PrintOutcome::Printed);

  const auto message = PrintOutcomeMessage(PrintOutcome::NoPrinter);
  ASSERT_TRUE(message);
  EXPECT_EQ(message->title, "エラー");
  EXPECT_FALSE(message->text.empty());
}

TEST(PrintSurface, JobThatCannotBeSentIsNotReportedAsPrinted) {
  PrintJob job;
  job.printer.installed = {"Laser", "PDF"};
  job.printer.failOn = "EndJob";
  EXPECT_EQ(job.Print("Laser"), PrintOutcome::NotSent);
  EXPECT_EQ(job.printer.abortedJobs, 1);
  EXPECT_TRUE(job.reporter.records.empty());
  ASSERT_TRUE(PrintOutcomeMessage(PrintOutcome::NotSent));
}

}  // namespace
}  // namespace kx
