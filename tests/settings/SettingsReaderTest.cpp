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
  EXPECT_EQ(settings.hotKey, 44);
  EXPECT_EQ(settings.saveFolder, kProgramDir);
  EXPECT_EQ(settings.filePrefix, "KX");
  EXPECT_EQ(settings.serialDigits, 3);
  EXPECT_EQ(settings.extension, ".BMP");
  EXPECT_EQ(settings.orientation, Orientation::Landscape);
  EXPECT_EQ(settings.marginLeft, 20);
  EXPECT_EQ(settings.marginRight, 20);
  EXPECT_EQ(settings.marginTop, 0);
  EXPECT_EQ(settings.marginBottom, 0);
  EXPECT_EQ(settings.printPercent, 100);
  EXPECT_EQ(settings.quality, PrintQuality::PrinterOwn);
  EXPECT_FALSE(settings.toStoreFile);
}

TEST(SettingsReader, ReadsEveryTag) {
  const CaptureSettings settings = Read(
      "[KEY ]123\r\n[FILE]D:\\Shots\r\n[I256]16\r\n[PAR ]80\r\n[HTXT]見出し\r\n"
      "[HITI]1\r\n[HEAD]10,15,05,07\r\n[QUAL]2\r\n[TIME]1\r\n[HANT]1\r\n[BSAV]1\r\n"
      "[MUKI]1\r\n[SVHD]CAP\r\n[SVNO]5\r\n[SVKK]1\r\n[MOUS]1\r\n[PRNT]My Printer\r\n"
      "[SVFM]1\r\n[CLIP]1\r\n[GMEN] 2\r\n[HANI]1\r\n");
  EXPECT_EQ(settings.hotKey, 123);
  EXPECT_EQ(settings.saveFolder, "D:\\Shots");
  EXPECT_EQ(settings.colors, ColorReduction::To16);
  EXPECT_EQ(settings.printPercent, 80);
  EXPECT_EQ(settings.headerText, "見出し");
  EXPECT_EQ(settings.headerLayout, HeaderLayout::RightAligned);
  EXPECT_EQ(settings.marginLeft, 10);
  EXPECT_EQ(settings.marginRight, 15);
  EXPECT_EQ(settings.marginTop, 5);
  EXPECT_EQ(settings.marginBottom, 7);
  EXPECT_EQ(settings.quality, PrintQuality::High);
  EXPECT_TRUE(settings.printDate);
  EXPECT_TRUE(settings.invert);
  EXPECT_TRUE(settings.alwaysSave);
  EXPECT_EQ(settings.orientation, Orientation::Portrait);
  EXPECT_EQ(settings.filePrefix, "CAP");
  EXPECT_EQ(settings.serialDigits, 5);
  EXPECT_EQ(settings.extension, ".bmp");
  EXPECT_TRUE(settings.cursor);
  EXPECT_EQ(settings.printer, "My Printer");
  EXPECT_EQ(settings.fileFormat, FileFormat::Png);
  EXPECT_TRUE(settings.clipboard);
  EXPECT_EQ(settings.screen, Screen::OfForegroundWindow);
  EXPECT_TRUE(settings.region);
  EXPECT_FALSE(settings.toStoreFile);
}

TEST(SettingsReader, RecognisesOnlyExactTags) {
  const CaptureSettings settings = Read("[key ]55\r\n[KEY]55\r\n [KEY ]55\r\n[KEY\r\n\r\nxx\r\n");
  EXPECT_EQ(settings.hotKey, 44);
  EXPECT_EQ(Read("[KEY ]55").hotKey, 55);
}

TEST(SettingsReader, TakesTheValueUnchanged) {
  EXPECT_EQ(Read("[FILE]C:\\Dir with blank \r\n").saveFolder, "C:\\Dir with blank ");
  EXPECT_EQ(Read("[HTXT] centred  \r\n").headerText, " centred  ");
  EXPECT_EQ(Read("[SVHD]\r\n").filePrefix, "");
}

TEST(SettingsReader, LastOfRepeatedTagsWins) {
  EXPECT_EQ(Read("[PRNT]First\r\n[PRNT]Second\r\n").printer, "Second");
  EXPECT_EQ(Read("[SVKK]1\r\n[SVKK]0\r\n").extension, ".BMP");
}

TEST(SettingsReader, AcceptsEveryLineEnd) {
  const CaptureSettings settings = Read("[I256]2\r[PAR ]50\n[SVNO]4\r\n[MOUS]1");
  EXPECT_EQ(settings.colors, ColorReduction::To2);
  EXPECT_EQ(settings.printPercent, 50);
  EXPECT_EQ(settings.serialDigits, 4);
  EXPECT_TRUE(settings.cursor);
}

TEST(SettingsReader, ReadsNumbersLeniently) {
  EXPECT_EQ(Read("[PAR ] 80").printPercent, 80);
  EXPECT_EQ(Read("[PAR ]80%").printPercent, 80);
  EXPECT_EQ(Read("[PAR ]abc").printPercent, 0);
  EXPECT_EQ(Read("[I256]2.5").colors, ColorReduction::To2);
  EXPECT_EQ(Read("[I256]3.5").colors, ColorReduction{4});  // a code keeps a number without a name
  EXPECT_EQ(Read("[SVNO]-1").serialDigits, -1);
  EXPECT_TRUE(Read("[TIME] 1.4").printDate);
  EXPECT_FALSE(Read("[TIME]1\r\n[TIME]5").printDate);  // a switch is on only for 1
}

TEST(SettingsReader, NumbersThatDoNotFitKeepTheFieldAsItWas) {
  EXPECT_EQ(Read("[PAR ]40000").printPercent, 100);
  EXPECT_EQ(Read("[PAR ]-32769").printPercent, 100);
  EXPECT_EQ(Read("[PAR ]-32768").printPercent, -32768);
  EXPECT_EQ(Read("[PAR ]50\r\n[PAR ]1e9").printPercent, 50);
  EXPECT_EQ(Read("[SVKK]1\r\n[SVKK]99999").extension, ".bmp");
  EXPECT_TRUE(Read("[HANT]1\r\n[HANT]99999").invert);
}

TEST(SettingsReader, KeyIsReadStrictly) {
  EXPECT_EQ(Read("[KEY ] 55 ").hotKey, 55);
  EXPECT_EQ(Read("[KEY ]44.5").hotKey, 44);
  EXPECT_EQ(Read("[KEY ]45.5").hotKey, 46);
  EXPECT_EQ(Read("[KEY ]100000").hotKey, 100000);
  EXPECT_EQ(Read("[KEY ]abc").hotKey, 44);
  EXPECT_EQ(Read("[KEY ]55x").hotKey, 44);
  EXPECT_EQ(Read("[KEY ]").hotKey, 44);
  EXPECT_EQ(Read("[KEY ]3000000000").hotKey, 44);
  // A sign or a point alone would otherwise register key 0.
  for (const char* line : {"[KEY ]-", "[KEY ].", "[KEY ]+", "[KEY ] - "}) {
    EXPECT_EQ(Read(line).hotKey, 44) << line;
  }
}

TEST(SettingsReader, MarginsComeFromFixedColumns) {
  const CaptureSettings padded = Read("[HEAD]10,15,05,07");
  EXPECT_EQ(padded.marginLeft, 10);
  EXPECT_EQ(padded.marginRight, 15);
  EXPECT_EQ(padded.marginTop, 5);
  EXPECT_EQ(padded.marginBottom, 7);

  // The second field is ",5" and the fourth lies beyond the line.
  const CaptureSettings unpadded = Read("[HEAD]5,5,5,5");
  EXPECT_EQ(unpadded.marginLeft, 5);
  EXPECT_EQ(unpadded.marginRight, 0);
  EXPECT_EQ(unpadded.marginTop, 5);
  EXPECT_EQ(unpadded.marginBottom, 0);

  const CaptureSettings blanks = Read("[HEAD] 1| 2| 3| 4");
  EXPECT_EQ(blanks.marginLeft, 1);
  EXPECT_EQ(blanks.marginRight, 2);
  EXPECT_EQ(blanks.marginTop, 3);
  EXPECT_EQ(blanks.marginBottom, 4);

  // The columns decide, not the separators: "100" gives 10, the second
  // field is ",1".
  const CaptureSettings wide = Read("[HEAD]100,15");
  EXPECT_EQ(wide.marginLeft, 10);
  EXPECT_EQ(wide.marginRight, 0);
  EXPECT_EQ(wide.marginTop, 0);
  EXPECT_EQ(wide.marginBottom, 0);

  // Columns are characters: full-width separators are one character each.
  const CaptureSettings fullWidth = Read("[HEAD]20、20、05、07");
  EXPECT_EQ(fullWidth.marginLeft, 20);
  EXPECT_EQ(fullWidth.marginRight, 20);
  EXPECT_EQ(fullWidth.marginTop, 5);
  EXPECT_EQ(fullWidth.marginBottom, 7);
  const CaptureSettings wideDigits = Read("[HEAD]１0,20,30,40");
  EXPECT_EQ(wideDigits.marginRight, 20);
  EXPECT_EQ(wideDigits.marginBottom, 40);

  const CaptureSettings shortLine = Read("[HEAD]-5,3");
  EXPECT_EQ(shortLine.marginLeft, -5);
  EXPECT_EQ(shortLine.marginRight, 3);
  EXPECT_EQ(shortLine.marginTop, 0);
  EXPECT_EQ(shortLine.marginBottom, 0);
}

TEST(SettingsReader, ExtensionIsLowerOnlyForOne) {
  EXPECT_EQ(Read("[SVKK]1").extension, ".bmp");
  EXPECT_EQ(Read("[SVKK]1.0").extension, ".bmp");
  EXPECT_EQ(Read("[SVKK]0").extension, ".BMP");
  EXPECT_EQ(Read("[SVKK]2").extension, ".BMP");
  EXPECT_EQ(Read("[SVKK]").extension, ".BMP");
}

// Only 1 asks for PNG files and 1 to 3 for another screen; everything else
// is what a file without the tag gives.
TEST(SettingsReader, FileFormatAndScreenTakeOnlyTheirValues) {
  const std::pair<std::string_view, std::string_view> extensions[] = {
      {"", ".BMP"},
      {"[SVFM]1", ".PNG"},
      {"[SVFM]1\r\n[SVKK]1", ".png"},
      {"[SVKK]1", ".bmp"},
      {"[SVFM]2\r\n[SVKK]1", ".bmp"},
      {"[SVFM]0.6", ".PNG"},
      {"[SVFM]-1", ".BMP"},
  };
  for (const auto& [text, extension] : extensions) {
    EXPECT_EQ(NumberedExtension(Read(text)), extension) << text;
  }
  const std::pair<std::string_view, Screen> screens[] = {
      {"", Screen::Primary},
      {"[GMEN]1", Screen::UnderPointer},
      {"[GMEN]2", Screen::OfForegroundWindow},
      {"[GMEN]3", Screen::AllMonitors},
      {"[GMEN]4", Screen::Primary},
      {"[GMEN]-1", Screen::Primary},
      {"[GMEN]x", Screen::Primary},
  };
  for (const auto& [text, screen] : screens) EXPECT_EQ(ScreenOf(Read(text)), screen) << text;
}

TEST(SplitLines, EndsLinesAtCrLfCrOrLf) {
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string_view>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string_view>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace kx
