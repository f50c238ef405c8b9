#include <gtest/gtest.h>

#include "actions/ErrorRecord.h"

namespace kx {
namespace {

TEST(ErrorRecord, IsFourteenLabelledLinesWithoutAFinalLineEnd) {
  PrintParameters parameters;
  parameters.percent = 50;
  parameters.headerText = "月次報告 A";
  parameters.headerLayout = HeaderLayout::RightAligned;
  parameters.quality = PrintQuality::High;
  parameters.marginLeft = -5;
  parameters.marginRight = 20;
  parameters.marginTop = 0;
  parameters.marginBottom = 12;
  parameters.printDate = true;
  parameters.orientation = Orientation::Landscape;
  EXPECT_EQ(BuildErrorRecord(PrintError::DivisionByZero(), 4, parameters),
            "印刷エラー=PrintPictureToFitPage\r\n"
            "Err.Number=11\r\n"
            "Err.Description=0 で除算しました。\r\n"
            "TrapNo=4\r\n"
            "Par=50\r\n"
            "TXT=月次報告 A\r\n"
            "ITI=1\r\n"
            "QUA=2\r\n"
            "LEF=-5\r\n"
            "RIT=20\r\n"
            "TOP=0\r\n"
            "BTN=12\r\n"
            "Tim=1\r\n"
            "MUK=2");
}

TEST(ErrorRecord, EmptyHeadingLeavesItsLabelAlone) {
  PrintParameters parameters;
  parameters.marginTop = -32768;
  parameters.orientation = Orientation{0};
  EXPECT_EQ(BuildErrorRecord(PrintError(-2147483647 - 1, ""), 15, parameters),
            "印刷エラー=PrintPictureToFitPage\r\n"
            "Err.Number=-2147483648\r\n"
            "Err.Description=\r\n"
            "TrapNo=15\r\n"
            "Par=100\r\n"
            "TXT=\r\n"
            "ITI=0\r\n"
            "QUA=1\r\n"
            "LEF=20\r\n"
            "RIT=20\r\n"
            "TOP=-32768\r\n"
            "BTN=0\r\n"
            "Tim=0\r\n"
            "MUK=0");
}

}  // namespace
}  // namespace kx
