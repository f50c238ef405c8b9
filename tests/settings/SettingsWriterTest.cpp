#include "settings/SettingsWriter.h"

#include <gtest/gtest.h>

#include <functional>

#include "settings/SettingsReader.h"
#include "settings/SettingsTags.h"

namespace kx {
namespace {

const std::string kProgramDir = "C:\\Tools\\Kaptorix";

CaptureSettings Defaults() { return DefaultCaptureSettings(kProgramDir); }

CaptureSettings ReadBack(std::string_view text) {
  CaptureSettings settings = Defaults();
  ReadSettings(text, settings);
  return settings;
}

struct TagChange {
  std::string_view tag;
  std::function<void(CaptureSettings&)> change;
  std::string_view line;  // the tag's line as it must be written
};

// One change away from the defaults per tag, with values the reader could
// misread if they were written carelessly.
const std::vector<TagChange> kChangePerTag = {
    {"[KEY ]", [](CaptureSettings& s) { s.hotKey = 145; }, "[KEY ]145"},
    {"[FILE]", [](CaptureSettings& s) { s.saveFolder = "D:\\画像 置き場 "; },
     "[FILE]D:\\画像 置き場 "},
    {"[I256]", [](CaptureSettings& s) { s.colors = ColorReduction::To16; }, "[I256]16"},
    {"[PAR ]", [](CaptureSettings& s) { s.printPercent = 7; }, "[PAR ]7"},
    {"[HTXT]", [](CaptureSettings& s) { s.headerText = " 見出し [HTXT] /x "; },
     "[HTXT] 見出し [HTXT] /x "},
    {"[HITI]", [](CaptureSettings& s) { s.headerLayout = HeaderLayout::RightAligned; }, "[HITI]1"},
    {"[HEAD]",
     [](CaptureSettings& s) {
       s.marginLeft = 5;
       s.marginRight = 99;
       s.marginTop = 0;
       s.marginBottom = 10;
     },
     "[HEAD]05,99,00,10"},
    {"[QUAL]", [](CaptureSettings& s) { s.quality = PrintQuality::High; }, "[QUAL]2"},
    {"[TIME]", [](CaptureSettings& s) { s.printDate = true; }, "[TIME]1"},
    {"[HANT]", [](CaptureSettings& s) { s.invert = true; }, "[HANT]1"},
    {"[BSAV]", [](CaptureSettings& s) { s.alwaysSave = true; }, "[BSAV]1"},
    {"[MUKI]", [](CaptureSettings& s) { s.orientation = Orientation::Portrait; }, "[MUKI]1"},
    {"[SVHD]", [](CaptureSettings& s) { s.filePrefix = ""; }, "[SVHD]"},
    {"[SVNO]", [](CaptureSettings& s) { s.serialDigits = 9; }, "[SVNO]9"},
    {"[SVKK]", [](CaptureSettings& s) { s.extension = ".bmp"; }, "[SVKK]1"},
    {"[MOUS]", [](CaptureSettings& s) { s.cursor = true; }, "[MOUS]1"},
    {"[PRNT]", [](CaptureSettings& s) { s.printer = "Canon LBP/共有"; }, "[PRNT]Canon LBP/共有"},
    {"[SVFM]", [](CaptureSettings& s) { s.fileFormat = FileFormat::Png; }, "[SVFM]1"},
    {"[CLIP]", [](CaptureSettings& s) { s.clipboard = true; }, "[CLIP]1"},
    {"[GMEN]", [](CaptureSettings& s) { s.screen = Screen::AllMonitors; }, "[GMEN]3"},
    {"[ICON]", [](CaptureSettings& s) { s.tray = true; }, "[ICON]1"},
    {"[HANI]", [](CaptureSettings& s) { s.region = true; }, "[HANI]1"},
};

// The defaults' file, line by line: the optional tags are left out.
const std::vector<std::string_view> kDefaultLines = {"[KEY ]44",
                                                     "[FILE]C:\\Tools\\Kaptorix",
                                                     "[I256]0",
                                                     "[PAR ]100",
                                                     "[HTXT]",
                                                     "[HITI]0",
                                                     "[HEAD]20,20,00,00",
                                                     "[QUAL]1",
                                                     "[TIME]0",
                                                     "[HANT]0",
                                                     "[BSAV]0",
                                                     "[MUKI]2",
                                                     "[SVHD]KX",
                                                     "[SVNO]3",
                                                     "[SVKK]0",
                                                     "[MOUS]0",
                                                     "[PRNT]"};

std::string LineOf(std::string_view text, std::string_view tag) {
  for (const std::string_view line : SplitLines(text)) {
    if (line.substr(0, kTagLength) == tag) return std::string(line);
  }
  return {};
}

TEST(SettingsWriter, EveryTagRoundTripsThroughTheReader) {
  ASSERT_EQ(kChangePerTag.size(), kSettingsTags.size());
  CaptureSettings everything = Defaults();
  std::string everythingText;
  for (std::size_t i = 0; i < kChangePerTag.size(); ++i) {
    const TagChange& entry = kChangePerTag[i];
    SCOPED_TRACE(entry.tag);
    CaptureSettings changed = Defaults();
    entry.change(changed);
    ASSERT_NE(changed, Defaults());
    // Only the tag's own line differs from the defaults' file.
    std::string expected;
    for (std::size_t n = 0; n < kDefaultLines.size(); ++n) {
      expected.append(n == i ? entry.line : kDefaultLines[n]).append("\r\n");
    }
    if (i >= kDefaultLines.size()) expected.append(entry.line).append("\r\n");
    const std::string text = WriteSettings("", changed);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(ReadBack(text), changed);
    entry.change(everything);
    everythingText.append(entry.line).append("\r\n");
  }
  EXPECT_EQ(WriteSettings("", everything), everythingText);
  EXPECT_EQ(ReadBack(everythingText), everything);
}

TEST(SettingsWriter, WritesTheDefaultsAsSeventeenCrLfLines) {
  EXPECT_EQ(WriteSettings("", Defaults()),
            "[KEY ]44\r\n[FILE]C:\\Tools\\Kaptorix\r\n[I256]0\r\n[PAR ]100\r\n[HTXT]\r\n"
            "[HITI]0\r\n[HEAD]20,20,00,00\r\n[QUAL]1\r\n[TIME]0\r\n[HANT]0\r\n[BSAV]0\r\n"
            "[MUKI]2\r\n[SVHD]KX\r\n[SVNO]3\r\n[SVKK]0\r\n[MOUS]0\r\n[PRNT]\r\n");
}

TEST(SettingsWriter, KeepsOtherLinesAndReplacesTagsInPlace) {
  const std::string existing =
      "; my settings\r\n[PAR ] 80 %\r\n\r\nfree text\n[key ]55\r[SVNO]4\r\n";
  CaptureSettings settings = Defaults();
  settings.printPercent = 50;
  settings.serialDigits = 6;
  const std::string text = WriteSettings(existing, settings);
  const std::string expectedStart =
      "; my settings\r\n[PAR ]50\r\n\r\nfree text\r\n[key ]55\r\n[SVNO]6\r\n"
      "[KEY ]44\r\n[FILE]";
  EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
  EXPECT_EQ(ReadBack(text), settings);
  EXPECT_EQ(SplitLines(text).size(), 21U);  // six lines kept, two of them replaced, 15 added
}

// A file that has an optional tag keeps it, also when it goes back to the
// default; one that lacks it gets it only for another value.
TEST(SettingsWriter, OptionalTagsStayOutUntilChosen) {
  CaptureSettings settings = Defaults();
  const std::string chosen = "[GMEN]2\r\n[SVFM]1\r\n";
  const std::string text = WriteSettings(chosen, settings);
  EXPECT_EQ(text.substr(0, 18), "[GMEN]0\r\n[SVFM]0\r\n");
  EXPECT_EQ(LineOf(text, "[CLIP]"), "");
  EXPECT_EQ(LineOf(text, "[HANI]"), "");
  EXPECT_EQ(ReadBack(text), settings);
  settings.clipboard = true;
  EXPECT_EQ(LineOf(WriteSettings(text, settings), "[CLIP]"), "[CLIP]1");
}

// Numbers a user wrote that no name stands for, kept while they mean the same.
TEST(SettingsWriter, KeepsTheFilesNumbersOfCodesAndSwitches) {
  const std::string existing =
      "[HITI]7\r\n[TIME]5\r\n[MUKI]3\r\n[I256]3\r\n[SVFM]9\r\n[HANT] 1.2\r\n[BSAV]-4\r\n"
      "[BSAV]99999\r\n[MOUS]3\r\n";
  CaptureSettings settings = ReadBack(existing);
  const std::string kept =
      "[HITI]7\r\n[TIME]5\r\n[MUKI]3\r\n[I256]3\r\n[SVFM]9\r\n[HANT]1\r\n[BSAV]-4\r\n[MOUS]3\r\n";
  EXPECT_EQ(WriteSettings(existing, settings).substr(0, kept.size()), kept);
  settings.printDate = settings.cursor = true;
  settings.invert = false;
  const std::string text = WriteSettings(existing, settings);
  EXPECT_EQ(text.substr(9, 9) + LineOf(text, "[HANT]") + LineOf(text, "[MOUS]"),
            "[TIME]1\r\n[HANT]0[MOUS]1");
  EXPECT_EQ(ReadBack(text), settings);
}

TEST(SettingsWriter, WritesWhereTheReaderLooksAndDropsOlderDuplicates) {
  CaptureSettings settings = Defaults();
  settings.printer = std::string(1, 'C');
  const std::string text =
      WriteSettings("[PRNT]A\r\nmiddle\r\n[PRNT]B\r\n[PRNT]Z\r\nend\r\n", settings);
  EXPECT_EQ(text.substr(0, 22), "middle\r\n[PRNT]C\r\nend\r\n");
  EXPECT_EQ(text.find("[PRNT]", 22), std::string::npos);
  EXPECT_EQ(ReadBack(text).printer, "C");
}

TEST(SettingsWriter, PadsMarginsToTheirFixedColumns) {
  CaptureSettings settings = Defaults();
  for (const std::int16_t margin :
       {std::int16_t{0}, std::int16_t{1}, std::int16_t{9}, std::int16_t{10}, std::int16_t{99}}) {
    SCOPED_TRACE(margin);
    settings.marginLeft = settings.marginTop = margin;
    settings.marginRight = settings.marginBottom = static_cast<std::int16_t>(99 - margin);
    const std::string text = WriteSettings("", settings);
    EXPECT_EQ(LineOf(text, "[HEAD]").size(), 17U);
    EXPECT_EQ(ReadBack(text), settings);
  }
}

TEST(SettingsWriter, MergesBytesOfAnyCodePageUnchanged) {
  // Shift-JIS text in an unknown line and in a value that is not replaced.
  const std::string shiftJis = "\x8c\xa9\x8f\x6f\x82\xb5";
  const std::string existing = "#" + shiftJis + "\r\n[HTXT]" + shiftJis + "\r\n";
  const std::vector<SettingsLine> lines = {{"[PRNT]", "\x83\x76\x83\x8a"}};
  EXPECT_EQ(MergeSettingsLines(existing, lines),
            "#" + shiftJis + "\r\n[HTXT]" + shiftJis + "\r\n[PRNT]\x83\x76\x83\x8a\r\n");
}

TEST(SettingsWriter, SavingTwiceChangesNothing) {
  CaptureSettings settings = Defaults();
  settings.headerText = "見出し";
  const std::string once = WriteSettings("x\r\n[HTXT]old\r\n", settings);
  EXPECT_EQ(WriteSettings(once, settings), once);
}

}  // namespace
}  // namespace kx
