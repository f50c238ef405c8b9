#include "actions/CaptureAction.h"
#include "actions/RegionAction.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/KeyBusy.h"

namespace kx {
namespace {

using ::testing::ElementsAre;

const std::string kProgramDir = "C:\\Kx";
const std::string kSaveDir = "D:\\Shots";

// Records every call in order, as one line each; answers from its fields.
class FakeActionServices final : public ActionServices {
 public:
  void CopyDesktopToSurface(Screen screen) override {
    Record(screen == Screen::Primary ? "desktop"
                                     : "desktop " + std::to_string(static_cast<int>(screen)));
  }
  void CopyForegroundToSurface() override { Record("foreground"); }
  void DrawPointerOnSurface(bool foreground) override {
    Record(std::string("pointer ") + (foreground ? "foreground" : "desktop"));
  }
  void InvertSurface() override { Record("invert"); }
  void ReduceSurfaceColors(std::int16_t colors) override {
    Record("reduce " + std::to_string(colors));
  }
  SaveResult SaveSurfaceBmp(const std::string& fileName, SaveMode mode) override {
    return Save("save ", fileName, mode);
  }
  SaveResult SaveSurfacePng(const std::string& fileName, SaveMode mode) override {
    return Save("save png ", fileName, mode);
  }
  PrintReport PrintSurface(const CaptureSettings& settings) override {
    Record("print " + std::to_string(settings.printPercent));
    if (!printError.empty()) throw ActionError(printError);
    return {printOutcome, "PDF"};
  }
  void ReleaseSurface() override {
    ++releases;
    callsBeforeRelease = calls.size();
    releasedWhileBusy = KeyBusy();
  }
  bool DirectoryExists(const std::string& path) override {
    Record("dir " + path);
    return directoryExists;
  }
  bool PlainFileExists(const std::string& path) override {
    ++existenceTests;
    return existing.count(path) > 0;
  }
  void CopySurfaceToClipboard() override { Record("clipboard"); }
  void ShowResultNotice(const std::string& text) override { Record("notice " + text); }
  void ShowSaveAbortedNotice() override { Record("save aborted"); }
  void ShowErrorBox(const std::string& text) override { Record("box " + text); }
  void ReportOutcome(const ActionResult& result) override {
    reports.push_back(result);
    callsBeforeReport = calls.size();
  }

  std::vector<std::string> calls;
  std::vector<bool> busyDuringCalls;
  std::set<std::string> existing;
  std::set<std::string> taken;  // names that appear just before the write
  SaveResult saveResult = SaveResult::Saved;
  PrintOutcome printOutcome = PrintOutcome::Printed;
  std::string printError;
  bool directoryExists = true;
  int existenceTests = 0;
  std::vector<ActionResult> reports;
  std::size_t callsBeforeReport = 0;
  int releases = 0;
  std::size_t callsBeforeRelease = 0;
  bool releasedWhileBusy = false;

 private:
  SaveResult Save(const std::string& call, const std::string& fileName, SaveMode mode) {
    Record(call + fileName + (mode == SaveMode::CreateNew ? " new" : " replace"));
    if (taken.erase(fileName) > 0) return SaveResult::NameTaken;
    return saveResult;
  }
  void Record(std::string call) {
    calls.push_back(std::move(call));
    busyDuringCalls.push_back(KeyBusy());
  }
};

class CaptureActionTest : public ::testing::Test {
 protected:
  CaptureActionTest() { settings.saveFolder = kSaveDir; }

  std::vector<std::string> Run(int modifiers) {
    result = RunCaptureAction(modifiers, settings, kProgramDir, services);
    return services.calls;
  }

  CaptureSettings settings;
  FakeActionServices services;
  ActionResult result;
};

TEST_F(CaptureActionTest, ShiftSavesTheScreenUnderTheFirstNumber) {
  EXPECT_THAT(Run(kModShift), ElementsAre("desktop", "dir D:\\Shots",
                                          "save D:\\Shots\\KX001.BMP new", "notice 保存成功"));
}

struct FakeRegionSource final : RegionSource {
  FakeRegionSource(std::vector<std::string>* into, RegionPick answer) : calls(into), pick(answer) {}
  RegionPick PutRegionOnSurface() override { return calls->push_back("region"), pick; }
  void DrawPointerOnRegion() override { calls->push_back("pointer region"); }
  std::vector<std::string>* calls;
  RegionPick pick;
};

TEST_F(CaptureActionTest, RegionDrawsItsPointerThenTakesTheRoadOfEveryCapture) {
  settings.cursor = settings.invert = 1;
  FakeRegionSource source(&services.calls, RegionPick::Taken);
  RunRegionAction(true, settings, kProgramDir, services, source);
  EXPECT_THAT(services.calls, ElementsAre("region", "pointer region", "invert", "dir D:\\Shots",
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
  settings.alwaysSave = true;
  EXPECT_THAT(Run(0), ElementsAre("desktop", "dir D:\\Shots", "save D:\\Shots\\KX001.BMP new",
                                  "notice 保存成功"));
}

TEST_F(CaptureActionTest, FailedPrintShowsNothingMore) {
  services.printOutcome = PrintOutcome::Failed;
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
  settings.cursor = true;
  settings.invert = true;
  const auto calls = Run(kModAlt);
  ASSERT_GE(calls.size(), 3U);
  EXPECT_THAT(std::vector<std::string>(calls.begin(), calls.begin() + 3),
              ElementsAre("foreground", "pointer foreground", "invert"));
  services.calls.clear();
  settings.invert = false;
  EXPECT_EQ(Run(0)[1], "pointer desktop");
}

TEST_F(CaptureActionTest, ReducesColoursOnlyForSaving) {
  const std::pair<std::int16_t, std::int16_t> cases[] = {{1, 256}, {256, 256}, {16, 16}, {2, 2}};
  for (const auto& [setting, colors] : cases) {
    settings.colors = ColorReduction{setting};
    services.calls.clear();
    EXPECT_EQ(Run(kModShift)[1], "reduce " + std::to_string(colors)) << setting;
    services.calls.clear();
    EXPECT_THAT(Run(0), ::testing::Not(::testing::Contains(::testing::StartsWith("reduce"))));
  }
  for (const std::int16_t unreduced : std::initializer_list<std::int16_t>{0, 4, 8, 24, -1}) {
    settings.colors = ColorReduction{unreduced};
    services.calls.clear();
    EXPECT_THAT(Run(kModShift),
                ::testing::Not(::testing::Contains(::testing::StartsWith("reduce"))))
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

// PNG files are numbered among themselves; the store file stays a BMP file.
TEST_F(CaptureActionTest, PngFilesTakeTheirOwnExtensionAndNumbers) {
  struct Case {
    std::int16_t format;
    const char* extension;
    std::set<std::string> existing;
    bool store;
    const char* expected;
  };
  const Case cases[] = {
      {1, ".BMP", {}, false, "save png D:\\Shots\\KX001.PNG new"},
      {1, ".bmp", {}, false, "save png D:\\Shots\\KX001.png new"},
      {1, ".BMP", {"D:\\Shots\\KX001.BMP"}, false, "save png D:\\Shots\\KX001.PNG new"},
      {1, ".BMP", {"D:\\Shots\\KX001.PNG"}, false, "save png D:\\Shots\\KX002.PNG new"},
      {0, ".BMP", {"D:\\Shots\\KX001.PNG"}, false, "save D:\\Shots\\KX001.BMP new"},
      {2, ".bmp", {}, false, "save D:\\Shots\\KX001.bmp new"},
      {1, ".BMP", {}, true, "save C:\\Kx\\Dammy.bmp replace"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    settings.fileFormat = FileFormat{c.format};
    settings.extension = c.extension;
    settings.toStoreFile = c.store;
    services = FakeActionServices{};
    services.existing = c.existing;
    EXPECT_THAT(Run(kModShift), ::testing::Contains(c.expected));
    EXPECT_EQ(result.outcome, ActionOutcome::Done);
  }
}

TEST_F(CaptureActionTest, TheScreenSettingChoosesWhatAScreenCaptureTakes) {
  const std::pair<std::int16_t, const char*> cases[] = {
      {0, "desktop"}, {1, "desktop 1"}, {2, "desktop 2"}, {3, "desktop 3"}, {4, "desktop"}};
  for (const auto& [screen, capture] : cases) {
    settings.screen = Screen{screen};
    services.calls.clear();
    EXPECT_EQ(Run(kModShift).front(), capture);
    services.calls.clear();
    EXPECT_EQ(Run(kModShift | kModAlt).front(), "foreground") << screen;
  }
}

// Only a picture that reached its file or page goes to the clipboard, before
// the outcome is told.
TEST_F(CaptureActionTest, TheClipboardGetsThePictureAfterASuccessOnly) {
  struct Case {
    const char* name;
    bool clipboard = true;
    int modifiers = kModShift;
    bool store = false;
    SaveResult save = SaveResult::Saved;
    PrintOutcome print = PrintOutcome::Printed;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {.name = "saved",
       .expected = {"desktop", "dir D:\\Shots", "save D:\\Shots\\KX001.BMP new", "clipboard",
                    "notice 保存成功"}},
      {.name = "stored",
       .store = true,
       .expected = {"desktop", "save C:\\Kx\\Dammy.bmp replace", "clipboard", "notice 記憶成功"}},
      {.name = "printed",
       .modifiers = 0,
       .expected = {"desktop", "print 100", "clipboard", "notice 印刷成功"}},
      {.name = "not asked for",
       .clipboard = false,
       .modifiers = 0,
       .expected = {"desktop", "print 100", "notice 印刷成功"}},
      {.name = "print failed",
       .modifiers = 0,
       .print = PrintOutcome::Failed,
       .expected = {"desktop", "print 100"}},
      {.name = "store failed",
       .store = true,
       .save = SaveResult::Failed,
       .expected = {"desktop", "save C:\\Kx\\Dammy.bmp replace", "box 記憶に失敗しました"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    settings.clipboard = c.clipboard;
    settings.toStoreFile = c.store;
    services = FakeActionServices{};
    services.saveResult = c.save;
    services.printOutcome = c.print;
    EXPECT_EQ(Run(c.modifiers), c.expected);
    const auto clipboard = std::find(c.expected.begin(), c.expected.end(), "clipboard");
    if (clipboard != c.expected.end()) {
      EXPECT_EQ(services.callsBeforeReport,
                static_cast<std::size_t>(clipboard - c.expected.begin()) + 1);
    }
  }
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
  EXPECT_THAT(
      Run(kModShift),
      ElementsAre("desktop", "dir D:\\Shots", "save D:\\Shots\\KX001.BMP new",
                  "box 保存に失敗しました（下記で保存を試みました）\r\nD:\\Shots\\KX001.BMP",
                  "box 保存に失敗しました"));
}

TEST_F(CaptureActionTest, AFolderTooLongForTheSaveIsNamedAndNothingTried) {
  settings.saveFolder = "D:\\" + std::string(233, 'f');
  EXPECT_THAT(Run(kModShift),
              ElementsAre("desktop", "dir " + settings.saveFolder,
                          "box 保存先フォルダのパスが長すぎます\r\n" + settings.saveFolder));
  EXPECT_EQ(result.outcome, ActionOutcome::SaveFailed);
}

TEST_F(CaptureActionTest, MissingFolderShowsOnlyTheSaveAbortedNotice) {
  services.directoryExists = false;
  EXPECT_THAT(Run(kModShift), ElementsAre("desktop", "dir D:\\Shots", "save aborted"));
}

TEST_F(CaptureActionTest, StoreRunReplacesTheStoreFileInTheProgramFolder) {
  settings.toStoreFile = true;
  settings.colors = ColorReduction::None;
  EXPECT_THAT(Run(kModShift),
              ElementsAre("desktop", "save C:\\Kx\\Dammy.bmp replace", "notice 記憶成功"));
}

TEST_F(CaptureActionTest, FailedStoreShowsItsBox) {
  settings.toStoreFile = true;
  services.saveResult = SaveResult::Failed;
  EXPECT_THAT(Run(kModShift),
              ElementsAre("desktop", "save C:\\Kx\\Dammy.bmp replace", "box 記憶に失敗しました"));
}

TEST_F(CaptureActionTest, ErrorThatEndsTheRunIsShownAndClearsTheFlag) {
  services.printError = "プリンタがありません";
  EXPECT_THAT(Run(0), ElementsAre("desktop", "print 100", "box プリンタがありません"));
  EXPECT_FALSE(KeyBusy());
}

// Each outcome is told once, before the notice or box that shows it to the
// user (a script waiting for it may stop watching while a box is open). The
// picture is let go of once, at the very end, still under the busy flag.
TEST_F(CaptureActionTest, EveryOutcomeIsReportedOnceBeforeTheUserSeesIt) {
  using O = ActionOutcome;
  struct Case {
    const char* name;
    int modifiers = kModShift;
    bool store = false;
    std::int16_t digits = 3;
    bool folderExists = true;
    bool allTaken = false;
    SaveResult save = SaveResult::Saved;
    PrintOutcome print = PrintOutcome::Printed;
    const char* error = "";  // thrown by the print-out
    ActionResult expected;
    std::size_t callsBefore;  // the service calls before the report
  };
  const Case cases[] = {
      {.name = "saved", .expected = {O::Done, "D:\\Shots\\KX001.BMP"}, .callsBefore = 3},
      {.name = "stored",
       .store = true,
       .expected = {O::Done, "C:\\Kx\\Dammy.bmp"},
       .callsBefore = 2},
      {.name = "printed", .modifiers = 0, .expected = {O::Done, "PDF"}, .callsBefore = 2},
      {.name = "write failed",
       .save = SaveResult::Failed,
       .expected = {O::SaveFailed, "保存に失敗しました: D:\\Shots\\KX001.BMP"},
       .callsBefore = 3},
      {.name = "store failed",
       .store = true,
       .save = SaveResult::Failed,
       .expected = {O::SaveFailed, "記憶に失敗しました: C:\\Kx\\Dammy.bmp"},
       .callsBefore = 2},
      {.name = "folder missing",
       .folderExists = false,
       .expected = {O::FolderMissing, "保存先フォルダがありません: D:\\Shots"},
       .callsBefore = 2},
      {.name = "all taken",
       .digits = 1,
       .allTaken = true,
       .expected = {O::NoFreeNumber, "空いている連番がありません: D:\\Shots"},
       .callsBefore = 2},
      {.name = "ten digits",
       .digits = 10,
       .expected = {O::NoFreeNumber, "保存ファイル名の桁数が多すぎます（9桁まで）"},
       .callsBefore = 2},
      {.name = "print failed",
       .modifiers = 0,
       .print = PrintOutcome::Failed,
       .expected = {O::PrintFailed, "印刷に失敗しました: PDF"},
       .callsBefore = 2},
      {.name = "printer not found",
       .modifiers = 0,
       .print = PrintOutcome::PrinterNotFound,
       .expected = {O::PrintFailed, "プリンタが見つかりません: PDF"},
       .callsBefore = 2},
      {.name = "job not sent",
       .modifiers = 0,
       .print = PrintOutcome::NotSent,
       .expected = {O::PrintFailed, "印刷ジョブをプリンタに送れませんでした: PDF"},
       .callsBefore = 2},
      {.name = "error ending the run",
       .modifiers = 0,
       .error = "画面を取り込めませんでした",
       .expected = {O::OtherError, "画面を取り込めませんでした"},
       .callsBefore = 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    settings = CaptureSettings{};
    settings.saveFolder = kSaveDir;
    settings.toStoreFile = c.store;
    settings.serialDigits = c.digits;
    services = FakeActionServices{};
    services.directoryExists = c.folderExists;
    for (char digit = '1'; c.allTaken && digit <= '9'; ++digit) {
      services.existing.insert(std::string("D:\\Shots\\KX") + digit + ".BMP");
    }
    services.saveResult = c.save;
    services.printOutcome = c.print;
    services.printError = c.error;
    Run(c.modifiers);
    EXPECT_EQ(result, c.expected);
    EXPECT_THAT(services.reports, ElementsAre(c.expected));
    EXPECT_EQ(services.callsBeforeReport, c.callsBefore);
    EXPECT_EQ(services.releases, 1);
    EXPECT_EQ(services.callsBeforeRelease, services.calls.size());
    EXPECT_TRUE(services.releasedWhileBusy);
  }
}

}  // namespace
}  // namespace kx
