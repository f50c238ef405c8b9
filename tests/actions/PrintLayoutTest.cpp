#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "FakePrinter.h"
#include "actions/PageLengths.h"
#include "actions/PrintLayout.h"

namespace kx {
namespace {

using test::FakePrinter;
using test::FakeReporter;

const Rgb32Image kPixels{2, 2, {0, 0, 0, 0}};
const LocalTime kNow{2024, 1, 31, 9, 5};

// 1024 x 768 pixels at 96 pixels per inch.
PrintPicture Screen(const Rgb32Image& pixels = kPixels) { return {pixels, 27093, 20320}; }

PrintParameters Defaults() { return {}; }

struct LayoutRun {
  FakePrinter printer;
  FakeReporter reporter;
  bool result = false;

  explicit LayoutRun(const PrintParameters& parameters, const PrintPicture& picture = Screen(),
                     const std::function<void(FakePrinter&)>& prepare = {}) {
    if (prepare) prepare(printer);
    result = PrintPictureToFitPage(printer, picture, parameters, kNow, reporter);
  }
};

std::string TrapLine(const std::string& record) {
  const auto start = record.find("TrapNo=");
  return record.substr(start, record.find("\r\n", start) - start);
}

TEST(PrintLayout, WorkedExampleAtFullSize) {
  LayoutRun run(Defaults());
  ASSERT_TRUE(run.result);
  ASSERT_EQ(run.printer.paints.size(), 1u);
  const test::PaintCall& paint = run.printer.paints[0];
  EXPECT_NEAR(paint.x, 1133.9, 0.05);
  EXPECT_NEAR(paint.y, 500.3, 0.05);
  EXPECT_NEAR(paint.width, 13732.3, 0.05);
  EXPECT_NEAR(paint.height, 10299.3, 0.05);
  ASSERT_EQ(run.printer.prints.size(), 1u);
  EXPECT_NEAR(run.printer.prints[0].y, 250.3, 0.05);
  EXPECT_TRUE(run.reporter.records.empty());
}

TEST(PrintLayout, WorkedExampleAtHalfSizeStaysCentred) {
  PrintParameters parameters = Defaults();
  parameters.percent = 50;
  LayoutRun run(parameters);
  ASSERT_EQ(run.printer.paints.size(), 1u);
  const test::PaintCall& paint = run.printer.paints[0];
  EXPECT_NEAR(paint.x, 4566.9, 0.05);
  EXPECT_NEAR(paint.y, 3075.2, 0.05);
  EXPECT_NEAR(paint.width, 6866.1, 0.05);
  EXPECT_NEAR(paint.height, 5149.7, 0.05);
  ASSERT_EQ(run.printer.prints.size(), 1u);
  EXPECT_NEAR(run.printer.prints[0].y, 2825.2, 0.05);
}

TEST(PrintLayout, PictureAsWideAsTheAreaFitsByWidthWithNoOffsets) {
  // A page of 8640 x 6492 twips leaves 15240 x 10922.0003 HIMETRIC below the
  // heading room; a picture of that ratio fits by width with no offsets,
  // where a fit by height would come out a hair off.
  PrintParameters parameters = Defaults();
  parameters.marginLeft = parameters.marginRight = 0;
  const double areaHeight = static_cast<double>(TwipsToHimetric(6492)) - TwipsToHimetric(300);
  LayoutRun run(parameters, PrintPicture{kPixels, 15240, areaHeight}, [](FakePrinter& printer) {
    printer.width = 8640;
    printer.height = 6492;
  });
  ASSERT_EQ(run.printer.paints.size(), 1u);
  EXPECT_EQ(run.printer.paints[0].x, 0.0f);
  EXPECT_EQ(run.printer.paints[0].y, 300.0f);
  EXPECT_EQ(run.printer.paints[0].width, 8640.0);
  EXPECT_EQ(run.printer.paints[0].height, 6192.0);
}

TEST(PrintLayout, TallPictureFitsByHeightAndIsCentredAcross) {
  PrintParameters parameters = Defaults();
  parameters.marginLeft = parameters.marginRight = 0;
  // Area 25400 x 9525 HIMETRIC; a square picture becomes 5400 x 5400 twips.
  LayoutRun run(parameters, PrintPicture{kPixels, 500, 500}, [](FakePrinter& printer) {
    printer.width = 14400;
    printer.height = 5700;
  });
  ASSERT_EQ(run.printer.paints.size(), 1u);
  EXPECT_FLOAT_EQ(run.printer.paints[0].x, 4500.0f);
  EXPECT_FLOAT_EQ(run.printer.paints[0].y, 300.0f);
  EXPECT_DOUBLE_EQ(run.printer.paints[0].width, 5400.0);
  EXPECT_DOUBLE_EQ(run.printer.paints[0].height, 5400.0);
}

TEST(PrintLayout, MarginsAreMillimetresAndTheTopOneAddsToTheHeadingRoom) {
  PrintParameters parameters = Defaults();
  parameters.marginLeft = 10;
  parameters.marginRight = 30;
  parameters.marginTop = 5;
  parameters.marginBottom = 15;
  Rgb32Image pixels = kPixels;
  // A picture far wider than the area: width fit, centred vertically.
  LayoutRun run(parameters, PrintPicture{pixels, 100000, 1000});
  ASSERT_EQ(run.printer.paints.size(), 1u);
  const double mm = 1440.0 / 25.4;
  EXPECT_NEAR(run.printer.paints[0].x, 10 * mm, 0.01);
  EXPECT_NEAR(run.printer.paints[0].width, 16000 - 40 * mm, 0.01);
  const double areaTop = 5 * mm + 300;
  const double areaHeight = 11000 - areaTop - 15 * mm;
  EXPECT_NEAR(run.printer.paints[0].y + run.printer.paints[0].height / 2, areaTop + areaHeight / 2,
              0.01);
}

TEST(PrintLayout, LayoutZeroCentresTheHeadingBetweenTheMargins) {
  PrintParameters parameters = Defaults();
  parameters.headerText = "ABCD";
  parameters.marginLeft = 10;
  parameters.marginRight = 30;
  LayoutRun run(parameters);
  ASSERT_EQ(run.printer.prints.size(), 1u);
  EXPECT_EQ(run.printer.prints[0].text, "ABCD");
  // (16000 - 400 + 10 mm - 30 mm) / 2, 250 above the picture's top at 500.33.
  EXPECT_NEAR(run.printer.prints[0].x, 7233.07, 0.01);
  EXPECT_NEAR(run.printer.prints[0].y, 250.33, 0.01);
  EXPECT_EQ(run.printer.fontSizes, std::vector<double>{9.0});
}

TEST(PrintLayout, LayoutZeroWithDatePutsTheDateRightAlignedOnTheSameLine) {
  PrintParameters parameters = Defaults();
  parameters.headerText = "見出し";
  parameters.printDate = true;
  parameters.percent = 50;
  LayoutRun run(parameters);
  ASSERT_EQ(run.printer.prints.size(), 2u);
  const test::PaintCall& paint = run.printer.paints[0];
  const test::PrintCall& date = run.printer.prints[1];
  EXPECT_EQ(run.printer.prints[0].text, "見出し");
  EXPECT_EQ(date.text, "2024/01/31 09:05");
  // The picture's right edge 4566.93 + 6866.14, less 16 characters, less 50.
  EXPECT_NEAR(paint.x + paint.width, 11433.07, 0.01);
  EXPECT_NEAR(date.x, 9783.07, 0.01);
  EXPECT_EQ(date.y, run.printer.prints[0].y);
}

TEST(PrintLayout, LayoutOneIsOneRightAlignedLine) {
  PrintParameters parameters = Defaults();
  parameters.headerLayout = HeaderLayout::RightAligned;
  // The line ends 50 left of the picture's right edge at 14866.14; 100 a character.
  for (const auto& [text, date, line, x] :
       std::vector<std::tuple<std::string, bool, std::string, double>>{
           {"Title", true, "Title 2024/01/31 09:05", 12616.14},
           {"", true, " 2024/01/31 09:05", 13116.14},
           {"Title", false, "Title", 14316.14}}) {
    parameters.headerText = text;
    parameters.printDate = date;
    LayoutRun run(parameters);
    ASSERT_EQ(run.printer.prints.size(), 1u) << line;
    EXPECT_EQ(run.printer.prints[0].text, line);
    EXPECT_NEAR(run.printer.prints[0].x, x, 0.01) << line;
    EXPECT_NEAR(run.printer.prints[0].y, 250.33, 0.01) << line;
  }
}

TEST(PrintLayout, OtherLayoutsPrintNoText) {
  for (const std::int16_t layout : std::vector<std::int16_t>{2, -1, 3}) {
    for (const bool date : {false, true}) {
      PrintParameters parameters = Defaults();
      parameters.headerText = "Title";
      parameters.headerLayout = HeaderLayout{layout};
      parameters.printDate = date;
      LayoutRun run(parameters);
      EXPECT_TRUE(run.result);
      EXPECT_EQ(run.printer.paints.size(), 1u);
      EXPECT_TRUE(run.printer.prints.empty()) << layout << " " << date;
    }
  }
}

TEST(PrintLayout, QualityAndOrientationGoToThePrinter) {
  struct Case {
    std::int16_t quality;
    std::vector<std::int16_t> set;
  };
  for (const Case& c : {Case{0, {-1}}, Case{2, {-3, -4}}, Case{1, {}}, Case{3, {}}, Case{-1, {}}}) {
    PrintParameters parameters = Defaults();
    parameters.quality = PrintQuality{c.quality};
    LayoutRun run(parameters);
    EXPECT_EQ(run.printer.qualities, c.set) << c.quality;
  }
  for (const Orientation orientation :
       {Orientation::Portrait, Orientation::Landscape, Orientation{3}}) {  // the printer judges
    PrintParameters parameters = Defaults();
    parameters.orientation = orientation;
    LayoutRun run(parameters);
    EXPECT_EQ(run.printer.orientations, std::vector<Orientation>{orientation});
  }
}

TEST(PrintLayout, RefusedQualityIsIgnored) {
  PrintParameters parameters = Defaults();
  parameters.quality = PrintQuality::High;
  LayoutRun highRefused(parameters, Screen(), [](FakePrinter& p) { p.refusedQualities = {-4}; });
  EXPECT_TRUE(highRefused.result);
  EXPECT_EQ(highRefused.printer.qualities, std::vector<std::int16_t>{-3});
  EXPECT_TRUE(highRefused.reporter.records.empty());

  parameters.quality = PrintQuality::Draft;
  LayoutRun draftRefused(parameters, Screen(), [](FakePrinter& p) { p.refusedQualities = {-1}; });
  EXPECT_TRUE(draftRefused.result);
  EXPECT_TRUE(draftRefused.reporter.records.empty());
}

TEST(PrintLayout, ZeroHeightPictureFailsAtStepFour) {
  Rgb32Image pixels = kPixels;
  LayoutRun run(Defaults(), PrintPicture{pixels, 27093, 0});
  EXPECT_FALSE(run.result);
  EXPECT_TRUE(run.printer.paints.empty());
  ASSERT_EQ(run.reporter.records.size(), 1u);
  EXPECT_EQ(TrapLine(run.reporter.records[0]), "TrapNo=4");
  EXPECT_NE(run.reporter.records[0].find("\r\nErr.Number=11\r\n"), std::string::npos);
}

TEST(PrintLayout, MarginsLeavingNoAreaFailAtStepFiveBeforeDrawing) {
  struct Case {
    std::int16_t left, right, top, bottom;
  };
  // 16000 x 11000 twips is about 282 x 194 mm.
  for (const Case& c : {Case{142, 141, 0, 0}, Case{200, 100, 0, 0}, Case{0, 0, 100, 89},
                        Case{0, 0, 0, 250}, Case{-5, 300, 0, 0}}) {
    PrintParameters parameters = Defaults();
    parameters.marginLeft = c.left;
    parameters.marginRight = c.right;
    parameters.marginTop = c.top;
    parameters.marginBottom = c.bottom;
    LayoutRun run(parameters);
    EXPECT_FALSE(run.result);
    EXPECT_TRUE(run.printer.paints.empty());
    ASSERT_EQ(run.reporter.records.size(), 1u);
    EXPECT_EQ(TrapLine(run.reporter.records[0]), "TrapNo=5") << c.left << " " << c.bottom;
  }
}

TEST(PrintLayout, EachFailingStepIsLoggedWithItsNumber) {
  struct Case {
    std::int16_t layout;
    bool date;
    const char* call;
    int nth;
    const char* trap;
  };
  for (const Case& c : {
           Case{0, 0, "SetOrientation", 1, "TrapNo=2"},
           Case{0, 0, "PageWidth", 1, "TrapNo=5"},
           Case{0, 0, "PageHeight", 1, "TrapNo=5"},
           Case{0, 0, "DrawPicture", 1, "TrapNo=9"},
           Case{0, 0, "SetFontSize", 1, "TrapNo=10"},
           Case{0, 0, "TextWidth", 1, "TrapNo=11"},
           Case{0, 0, "DrawTextAt", 1, "TrapNo=12"},
           Case{0, 1, "TextWidth", 2, "TrapNo=13"},
           Case{0, 1, "DrawTextAt", 2, "TrapNo=14"},
           Case{1, 1, "TextWidth", 1, "TrapNo=15"},
           Case{1, 0, "DrawTextAt", 1, "TrapNo=15"},
       }) {
    PrintParameters parameters = Defaults();
    parameters.headerLayout = HeaderLayout{c.layout};
    parameters.printDate = c.date;
    LayoutRun run(parameters, Screen(), [&](FakePrinter& p) {
      p.failOn = c.call;
      p.failOnCall = c.nth;
    });
    EXPECT_FALSE(run.result) << c.call;
    ASSERT_EQ(run.reporter.records.size(), 1u) << c.call;
    EXPECT_EQ(TrapLine(run.reporter.records[0]), c.trap) << c.call << " #" << c.nth;
    EXPECT_NE(
        run.reporter.records[0].find("Err.Number=482\r\nErr.Description=プリンタ エラーです。(" +
                                     std::string(c.call) + ")\r\n"),
        std::string::npos);
  }
}

TEST(PrintLayout, OutOfMemoryIsLoggedLikeAnyOtherFailure) {
  LayoutRun run(Defaults(), Screen(), [](FakePrinter& p) {
    p.failOn = "DrawPicture";
    p.failWithBadAlloc = true;
  });
  EXPECT_FALSE(run.result);
  ASSERT_EQ(run.reporter.records.size(), 1u);
  EXPECT_EQ(TrapLine(run.reporter.records[0]), "TrapNo=9");
  EXPECT_NE(run.reporter.records[0].find("Err.Number=7\r\n"), std::string::npos);
}

TEST(PrintDate, IsYearMonthDayHourMinuteWithLeadingZeros) {
  EXPECT_EQ(FormatPrintDate({2024, 1, 31, 9, 5}), "2024/01/31 09:05");
  EXPECT_EQ(FormatPrintDate({1999, 12, 1, 23, 59}), "1999/12/01 23:59");
  EXPECT_EQ(FormatPrintDate({2030, 6, 15, 0, 0}), "2030/06/15 00:00");
}

TEST(PageLengths, ConvertBetweenMillimetresTwipsAndHimetric) {
  EXPECT_NEAR(MillimetresToTwips(20), 1133.858, 0.001);
  EXPECT_FLOAT_EQ(TwipsToHimetric(1440), 2540.0f);
  EXPECT_FLOAT_EQ(HimetricToTwips(-2540), -1440.0f);
  EXPECT_THROW(MillimetresToTwips(3e38), PrintError);
  EXPECT_THROW(ToSingle(1e300), PrintError);
}

}  // namespace
}  // namespace kx
