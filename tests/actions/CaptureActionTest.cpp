#include "actions/CaptureAction.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "hotkey/KeyBusy.h"

namespace kx {
namespace {

using ::testing::ElementsAre;

const std::string kProgramDir = "C:\\Kx";
const std::string kSaveDir = "D:\\Shots";

// Records every call in order, as one line each; answers from its fields.
class FakeActionServices final : public ActionServices {
 public:
  void CopyDesktopToSurface() override { Record("desktop"); }
  void CopyForegroundToSurface() override { Record("foreground"); }
  void DrawPointerOnSurface(bool foreground) override {
    Record(std::string("pointer ") + (foreground ? "foreground" : "desktop"));
  }
  void InvertSurface() override { Record("invert"); }
  void ReduceSurfaceColors(std::int16_t colors) override {
    Record("reduce " + std::to_string(colors));
  }
  SaveResult SaveSurfaceBmp(const std::string& fileName, SaveMode mode) override {
    Record("save " + fileName + (mode == SaveMode::CreateNew ? " new" : " replace"));
    if (taken.erase(fileName) > 0) return SaveResult::NameTaken;
    return saveResult;
  }
  bool PrintSurface(const CaptureSettings& settings) override {
    Record("print " + std::to_string(settings.printPercent));
    if (!printError.empty()) throw ActionError(printError);
    return printed;
  }
  bool DirectoryExists(const std::string& path) override {
    Record("dir " + path);
    return directoryExists;
  }
  bool PlainFileExists(const std::string& path) override {
    ++existenceTests;
    return existing.count(path) > 0;
  }
  void ShowResultNotice(const std::string& text) override { Record("notice " + text); }
  void ShowSaveAbortedNotice() override { Record("save aborted"); }
  void ShowErrorBox(const std::string& text) override { Record("box " + text); }

  std::vector<std::string> calls;
  std::vector<bool> busyDuringCalls;
  std::set<std::string> existing;
  std::set<std::string> taken;  // names that appear just before the write
  SaveResult saveResult = SaveResult::Saved;
  bool printed = true;
  std::string printError;
  bool directoryExists = true;
  int existenceTests = 0;

 private:
  void Record(std::string call) {
    calls.push_back(std::move(call));
    busyDuringCalls.push_back(KeyBusy());
  }
};

class CaptureActionTest : public ::testing::Test {
 protected:
  CaptureActionTest() { settings.saveFolder = kSaveDir; }

  std::vector<std::string> Run(int modifiers) {
    RunCaptureAction(modifiers, settings, kProgramDir, services);
    return services.calls;
  }

  CaptureSettings settings;
  FakeActionServices services;
};

TEST_F(CaptureActionTest, ShiftSavesTheScreenUnderTheFirstNumber) {
  EXPECT_THAT(Run(kModShift), ElementsAre("desktop", "dir D:\\Shots",
                                          "save D:\\Shots\\KX001.BMP new", "notice 保存成功"));
}

TEST_F(CaptureActionTest, HoldsTheBusyFlagThroughoutAndClearsIt) {
  Run(kModShift);
  EXPECT_THAT(services.busyDuringCalls, ::testing::Each(true));
  EXPECT_FALSE(KeyBusy());
}

TEST_F(CaptureActionTest, AltCapturesTheForegroundWindow) {
  EXPECT_EQ(Run(kModAlt | kModShift).front(), "foreground");
  services.calls.clear();
  EXPECT_EQ(Run(kModAlt).front(), "foreground");
}

TEST_F(CaptureActionTest, WithoutShiftItPrints) {
  EXPECT_THAT(Run(0), ElementsAre("desktop", "print 100", "notice 印刷成功"));
}

TEST_F(CaptureActionTest, AlwaysSaveSavesWithoutShift) {
  settings.alwaysSave = 1;
  EXPECT_THAT(Run(0), ElementsAre("desktop", "dir D:\\Shots", "save D:\\Shots\\KX001.BMP new",
                                  "notice 保存成功"));
}

TEST_F(CaptureActionTest, FailedPrintShowsNothingMore) {
  services.printed = false;
  EXPECT_THAT(Run(0), ElementsAre("desktop", "print 100"));
}

TEST_F(CaptureActionTest, PercentOutsideOneToHundredBecomesHundredForGood) {
  for (const std::int16_t percent : std::initializer_list<std::int16_t>{0, 150, -5}) {
    settings.printPercent = percent;
    services.calls.clear();
    EXPECT_THAT(Run(0), ::testing::Contains("print 100"));
    EXPECT_EQ(settings.printPercent, 100);
  }
  settings.printPercent = 50;
  services.calls.clear();
  EXPECT_THAT(Run(0), ::testing::Contains("print 50"));
  EXPECT_EQ(settings.printPercent, 50);
}

TEST_F(CaptureActionTest, PointerThenInversionFollowTheCapture) {
  settings.cursor = 1;
  settings.invert = 1;
  const auto calls = Run(kModAlt);
  ASSERT_GE(calls.size(), 3U);
  EXPECT_THAT(std::vector<std::string>(calls.begin(), calls.begin() + 3),
              ElementsAre("foreground", "pointer foreground", "invert"));
  services.calls.clear();
  settings.invert = 0;
  EXPECT_EQ(Run(0)[1], "pointer desktop");
}

TEST_F(CaptureActionTest, ReducesColoursOnlyForSaving) {
  const std::pair<std::int16_t, std::int16_t> cases[] = {{1, 256}, {256, 256}, {16, 16}, {2, 2}};
  for (const auto& [setting, colors] : cases) {
    settings.colors = setting;
    services.calls.clear();
    EXPECT_EQ(Run(kModShift)[1], "reduce " + std::to_string(colors)) << setting;
    services.calls.clear();
    EXPECT_THAT(Run(0), ::testing::Not(::testing::Contains(::testing::StartsWith("reduce"))));
  }
  for (const std::int16_t unreduced : std::initializer_list<std::int16_t>{0, 4, 8, 24, -1}) {
    settings.colors = unreduced;
    services.calls.clear();
    EXPECT_THAT(Run(kModShift), ::testing::Not(::testing::Contains(::testing::StartsWith("reduce"))))
        << unreduced;
  }
}

TEST_F(CaptureActionTest, TakesTheLowestFreeNumber) {
  services.existing = {"D:\\Shots\\KX001.BMP", "D:\\Shots\\KX003.BMP"};
  EXPECT_THAT(Run(kModShift), ::testing::Contains("save D:\\Shots\\KX002.BMP new"));
}

TEST_F(CaptureActionTest, NameThatAppearsBeforeTheWriteIsLeftAlone) {
  services.taken = {"D:\\Shots\\KX001.BMP"};
  EXPECT_THAT(Run(kModShift),
              ElementsAre("desktop", "dir D:\\Shots", "save D:\\Shots\\KX001.BMP new",
                          "save D:\\Shots\\KX002.BMP new", "notice 保存成功"));
}

TEST_F(CaptureActionTest, UsesPrefixDigitsAndExtension) {
  settings.filePrefix = "CAP";
  settings.serialDigits = 1;
  settings.extension = ".bmp";
  EXPECT_THAT(Run(kModShift), ::testing::Contains("save D:\\Shots\\CAP1.bmp new"));
}

TEST_F(CaptureActionTest, EveryNumberTakenShowsTheFailureBox) {
  settings.serialDigits = 1;
  for (char digit = '1'; digit <= '9'; ++digit) {
    services.existing.insert(std::string("D:\\Shots\\KX") + digit + ".BMP");
  }
  EXPECT_THAT(Run(kModShift), ElementsAre("desktop", "dir D:\\Shots", "box 保存に失敗しました"));
  EXPECT_EQ(services.existenceTests, 9);
}

TEST_F(CaptureActionTest, NoDigitsShowsTheFailureBoxAtOnce) {
  for (const std::int16_t digits : std::initializer_list<std::int16_t>{0, -3}) {
    settings.serialDigits = digits;
    services.calls.clear();
    EXPECT_THAT(Run(kModShift), ElementsAre("desktop", "dir D:\\Shots", "box 保存に失敗しました"));
  }
  EXPECT_EQ(services.existenceTests, 0);
}

TEST_F(CaptureActionTest, TenDigitsEndTheActionWithAnErrorBox) {
  settings.serialDigits = 10;
  const auto calls = Run(kModShift);
  ASSERT_EQ(calls.size(), 3U);
  EXPECT_EQ(calls[2], "box 保存ファイル名の桁数が多すぎます（9桁まで）");
  EXPECT_EQ(services.existenceTests, 0);
  EXPECT_FALSE(KeyBusy());
}

TEST_F(CaptureActionTest, FailedWriteShowsTwoBoxesAndTriesNoOtherNumber) {
  services.saveResult = SaveResult::Failed;
  EXPECT_THAT(Run(kModShift),
              ElementsAre("desktop", "dir D:\\Shots", "save D:\\Shots\\KX001.BMP new",
                          "box 保存に失敗しました（下記で保存を試みました）\r\nD:\\Shots\\KX001.BMP",
                          "box 保存に失敗しました"));
}

TEST_F(CaptureActionTest, MissingFolderShowsOnlyTheSaveAbortedNotice) {
  services.directoryExists = false;
  EXPECT_THAT(Run(kModShift), ElementsAre("desktop", "dir D:\\Shots", "save aborted"));
}

TEST_F(CaptureActionTest, StoreRunReplacesTheStoreFileInTheProgramFolder) {
  settings.toStoreFile = true;
  settings.colors = 0;
  EXPECT_THAT(Run(kModShift), ElementsAre("desktop", "save C:\\Kx\\Dammy.bmp replace",
                                          "notice 記憶成功"));
}

TEST_F(CaptureActionTest, FailedStoreShowsItsBox) {
  settings.toStoreFile = true;
  services.saveResult = SaveResult::Failed;
  EXPECT_THAT(Run(kModShift), ElementsAre("desktop", "save C:\\Kx\\Dammy.bmp replace",
                                          "box 記憶に失敗しました"));
}

TEST_F(CaptureActionTest, ErrorThatEndsTheRunIsShownAndClearsTheFlag) {
  services.printError = "プリンタがありません";
  EXPECT_THAT(Run(0), ElementsAre("desktop", "print 100", "box プリンタがありません"));
  EXPECT_FALSE(KeyBusy());
}

}  // namespace
}  // namespace kx
