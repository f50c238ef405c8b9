#include "settings/SettingsReader.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

const std::string kProgramDir = "C:\\Tools\\Kaptorix";

CaptureSettings Read(std::string_view text) {
  CaptureSettings settings = DefaultCaptureSettings(kProgramDir);
  ReadSettings(text, settings);
  return settings;
}

TEST(SettingsReader, EmptyFileKeepsEveryDefault) {
  const CaptureSettings settings = Read("");
  EXPECT_EQ(settings, DefaultCaptureSettings(kProgramDir));
  EXPECT_EQ(settings.lngKey, 44);
  EXPECT_EQ(settings.strSaveDir, kProgramDir);
  EXPECT_EQ(settings.strFilePrefix, "KX");
  EXPECT_EQ(settings.intSerialDigits, 3);
  EXPECT_EQ(settings.strExtension, ".BMP");
  EXPECT_EQ(settings.intOrientation, 2);
  EXPECT_EQ(settings.intMarginLeft, 20);
  EXPECT_EQ(settings.intMarginRight, 20);
  EXPECT_EQ(settings.intMarginTop, 0);
  EXPECT_EQ(settings.intMarginBottom, 0);
  EXPECT_EQ(settings.intPrintPercent, 100);
  EXPECT_EQ(settings.intQuality, 1);
  EXPECT_FALSE(settings.booStore);
}

TEST(SettingsReader, ReadsEveryTag) {
  const CaptureSettings settings = Read(
      "[KEY ]123\r\n[FILE]D:\\Shots\r\n[I256]16\r\n[PAR ]80\r\n[HTXT]見出し\r\n"
      "[HITI]1\r\n[HEAD]10,15,05,07\r\n[QUAL]2\r\n[TIME]1\r\n[HANT]1\r\n[BSAV]1\r\n"
      "[MUKI]1\r\n[SVHD]CAP\r\n[SVNO]5\r\n[SVKK]1\r\n[MOUS]1\r\n[PRNT]My Printer\r\n");
  EXPECT_EQ(settings.lngKey, 123);
  EXPECT_EQ(settings.strSaveDir, "D:\\Shots");
  EXPECT_EQ(settings.intColors, 16);
  EXPECT_EQ(settings.intPrintPercent, 80);
  EXPECT_EQ(settings.strHeaderText, "見出し");
  EXPECT_EQ(settings.intHeaderLayout, 1);
  EXPECT_EQ(settings.intMarginLeft, 10);
  EXPECT_EQ(settings.intMarginRight, 15);
  EXPECT_EQ(settings.intMarginTop, 5);
  EXPECT_EQ(settings.intMarginBottom, 7);
  EXPECT_EQ(settings.intQuality, 2);
  EXPECT_EQ(settings.intPrintDate, 1);
  EXPECT_EQ(settings.intInvert, 1);
  EXPECT_EQ(settings.intAlwaysSave, 1);
  EXPECT_EQ(settings.intOrientation, 1);
  EXPECT_EQ(settings.strFilePrefix, "CAP");
  EXPECT_EQ(settings.intSerialDigits, 5);
  EXPECT_EQ(settings.strExtension, ".bmp");
  EXPECT_EQ(settings.intCursor, 1);
  EXPECT_EQ(settings.strPrinter, "My Printer");
  EXPECT_FALSE(settings.booStore);
}

TEST(SettingsReader, RecognisesOnlyExactTags) {
  const CaptureSettings settings = Read("[key ]55\r\n[KEY]55\r\n [KEY ]55\r\n[KEY\r\n\r\nxx\r\n");
  EXPECT_EQ(settings.lngKey, 44);
  EXPECT_EQ(Read("[KEY ]55").lngKey, 55);
}

TEST(SettingsReader, TakesTheValueUnchanged) {
  EXPECT_EQ(Read("[FILE]C:\\Dir with blank \r\n").strSaveDir, "C:\\Dir with blank ");
  EXPECT_EQ(Read("[HTXT] centred  \r\n").strHeaderText, " centred  ");
  EXPECT_EQ(Read("[SVHD]\r\n").strFilePrefix, "");
}

TEST(SettingsReader, LastOfRepeatedTagsWins) {
  EXPECT_EQ(Read("[PRNT]First\r\n[PRNT]Second\r\n").strPrinter, "Second");
  EXPECT_EQ(Read("[SVKK]1\r\n[SVKK]0\r\n").strExtension, ".BMP");
}

TEST(SettingsReader, AcceptsEveryLineEnd) {
  const CaptureSettings settings = Read("[I256]2\r[PAR ]50\n[SVNO]4\r\n[MOUS]1");
  EXPECT_EQ(settings.intColors, 2);
  EXPECT_EQ(settings.intPrintPercent, 50);
  EXPECT_EQ(settings.intSerialDigits, 4);
  EXPECT_EQ(settings.intCursor, 1);
}

TEST(SettingsReader, ReadsNumbersLeniently) {
  EXPECT_EQ(Read("[PAR ] 80").intPrintPercent, 80);
  EXPECT_EQ(Read("[PAR ]80%").intPrintPercent, 80);
  EXPECT_EQ(Read("[PAR ]abc").intPrintPercent, 0);
  EXPECT_EQ(Read("[I256]2.5").intColors, 2);
  EXPECT_EQ(Read("[I256]3.5").intColors, 4);
  EXPECT_EQ(Read("[SVNO]-1").intSerialDigits, -1);
}

TEST(SettingsReader, NumbersThatDoNotFitKeepTheFieldAsItWas) {
  EXPECT_EQ(Read("[PAR ]40000").intPrintPercent, 100);
  EXPECT_EQ(Read("[PAR ]-32769").intPrintPercent, 100);
  EXPECT_EQ(Read("[PAR ]-32768").intPrintPercent, -32768);
  EXPECT_EQ(Read("[PAR ]50\r\n[PAR ]1e9").intPrintPercent, 50);
  EXPECT_EQ(Read("[SVKK]1\r\n[SVKK]99999").strExtension, ".bmp");
}

TEST(SettingsReader, KeyIsReadStrictly) {
  EXPECT_EQ(Read("[KEY ] 55 ").lngKey, 55);
  EXPECT_EQ(Read("[KEY ]44.5").lngKey, 44);
  EXPECT_EQ(Read("[KEY ]45.5").lngKey, 46);
  EXPECT_EQ(Read("[KEY ]100000").lngKey, 100000);
  EXPECT_EQ(Read("[KEY ]abc").lngKey, 44);
  EXPECT_EQ(Read("[KEY ]55x").lngKey, 44);
  EXPECT_EQ(Read("[KEY ]").lngKey, 44);
  EXPECT_EQ(Read("[KEY ]3000000000").lngKey, 44);
}

TEST(SettingsReader, MarginsComeFromFixedColumns) {
  const CaptureSettings padded = Read("[HEAD]10,15,05,07");
  EXPECT_EQ(padded.intMarginLeft, 10);
  EXPECT_EQ(padded.intMarginRight, 15);
  EXPECT_EQ(padded.intMarginTop, 5);
  EXPECT_EQ(padded.intMarginBottom, 7);

  // The second field is ",5" and the fourth lies beyond the line.
  const CaptureSettings unpadded = Read("[HEAD]5,5,5,5");
  EXPECT_EQ(unpadded.intMarginLeft, 5);
  EXPECT_EQ(unpadded.intMarginRight, 0);
  EXPECT_EQ(unpadded.intMarginTop, 5);
  EXPECT_EQ(unpadded.intMarginBottom, 0);

  const CaptureSettings blanks = Read("[HEAD] 1| 2| 3| 4");
  EXPECT_EQ(blanks.intMarginLeft, 1);
  EXPECT_EQ(blanks.intMarginRight, 2);
  EXPECT_EQ(blanks.intMarginTop, 3);
  EXPECT_EQ(blanks.intMarginBottom, 4);

  const CaptureSettings shortLine = Read("[HEAD]-5,3");
  EXPECT_EQ(shortLine.intMarginLeft, -5);
  EXPECT_EQ(shortLine.intMarginRight, 3);
  EXPECT_EQ(shortLine.intMarginTop, 0);
  EXPECT_EQ(shortLine.intMarginBottom, 0);
}

TEST(SettingsReader, ExtensionIsLowerOnlyForOne) {
  EXPECT_EQ(Read("[SVKK]1").strExtension, ".bmp");
  EXPECT_EQ(Read("[SVKK]1.0").strExtension, ".bmp");
  EXPECT_EQ(Read("[SVKK]0").strExtension, ".BMP");
  EXPECT_EQ(Read("[SVKK]2").strExtension, ".BMP");
  EXPECT_EQ(Read("[SVKK]").strExtension, ".BMP");
}

TEST(SplitLines, EndsLinesAtCrLfCrOrLf) {
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string_view>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string_view>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace kx
