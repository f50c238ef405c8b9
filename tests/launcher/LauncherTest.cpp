#include "launcher/Launcher.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "FakeSettingsProbe.h"
#include "settings/SettingsReader.h"
#include "settings/SettingsWriter.h"

namespace kx {
namespace {

const std::string kProgramDir = "C:\\Tools\\Kaptorix";

class FakeSettingsFile : public SettingsFile {
  struct Turn : WriterTurn {
    explicit Turn(int& held) : held_(++held) {}
    ~Turn() override { --held_; }
    int& held_;
  };

 public:
  std::optional<std::string> text;  // nothing: no file
  bool readable = true;
  bool busy = false;  // another writer keeps its turn
  int held = 0;
  WriteOutcome outcome = WriteOutcome::Written;
  int writes = 0;

  std::unique_ptr<WriterTurn> TakeTurn() override {
    return busy ? nullptr : std::make_unique<Turn>(held);
  }
  bool Exists() override { return text.has_value(); }
  std::optional<std::string> Read() override {
    if (!readable) return std::nullopt;
    return text;
  }
  WriteOutcome Write(const CaptureSettings& settings) override {
    ++writes;
    EXPECT_EQ(held, 1) << "written outside the writers' turn";
    if (outcome == WriteOutcome::Written) text = WriteSettings(text.value_or(""), settings);
    return outcome;
  }
};

class FakeKeyProgram : public KeyProgram {
 public:
  bool installed = true;
  bool startable = true;
  std::size_t residents = 0;
  std::size_t refusingToClose = 0;
  KeyRun run;  // what a one-shot run leaves
  std::vector<std::string> events;

  bool Installed() override { return installed; }
  bool Launch(std::string_view arguments) override {
    events.push_back("launch " + std::string(arguments));
    if (startable) ++residents;
    return startable;
  }
  std::optional<KeyRun> RunToEnd(std::string_view arguments, std::uint32_t timeoutMs) override {
    events.push_back("run " + std::string(arguments) + " for " + std::to_string(timeoutMs));
    if (!startable) return std::nullopt;
    return run;
  }
  std::size_t ResidentCount() override { return residents; }
  std::size_t CloseResidents(std::uint32_t timeoutMs) override {
    events.push_back("close " + std::to_string(timeoutMs));
    residents = refusingToClose;
    return residents;
  }
};

class FakeOutput : public LauncherOutput {
 public:
  std::string printed;
  std::vector<MessageText> errors;
  std::vector<std::string> notes;  // "out " or "err " and the line

  void Print(std::string_view text) override { printed += text; }
  void ReportError(const MessageText& message) override { errors.push_back(message); }
  void Note(Stream stream, std::string_view line) override {
    notes.push_back((stream == Stream::Output ? "out " : "err ") + std::string(line));
  }
};

class LauncherTest : public ::testing::Test {
 protected:
  int Run(std::vector<std::string> arguments) {
    const auto parsed = ParseLauncherArguments(arguments);
    EXPECT_TRUE(std::holds_alternative<LauncherCommand>(parsed));
    return launcher.Run(std::get<LauncherCommand>(parsed));
  }
  CaptureSettings FileSettings() const {
    CaptureSettings settings = DefaultCaptureSettings(kProgramDir);
    ReadSettings(file.text.value_or(""), settings);
    return settings;
  }
  std::vector<MessageText> Errors(std::string_view title, std::string_view text) const {
    return {{std::string(title), std::string(text)}};
  }

  FakeSettingsFile file;
  FakeKeyProgram key;
  test::FakeSettingsProbe probe;
  FakeOutput output;
  Launcher launcher{kProgramDir, file, key, probe, output};
};

TEST_F(LauncherTest, StartWritesDefaultsOnTheFirstRun) {
  EXPECT_EQ(Run({"start"}), kExitOk);
  EXPECT_EQ(file.text, WriteSettings("", DefaultCaptureSettings(kProgramDir)));
  EXPECT_EQ(key.events, (std::vector<std::string>{"launch Kaptorix"}));
  EXPECT_TRUE(output.errors.empty());
  EXPECT_EQ(output.notes, (std::vector<std::string>{"out Kaptorix_Key を起動しました"}));
}

TEST_F(LauncherTest, StartLeavesAnExistingFileAlone) {
  file.text = "[SVNO]5\r\n";
  EXPECT_EQ(Run({"start", "/TEST"}), kExitOk);
  EXPECT_EQ(file.writes, 0);
  EXPECT_EQ(key.events, (std::vector<std::string>{"launch Kaptorix_TEST"}));
}

TEST_F(LauncherTest, StartEndsTheRunningCopyFirst) {
  file.text = "";
  key.residents = 1;
  EXPECT_EQ(Run({"start"}), kExitOk);
  EXPECT_EQ(key.events, (std::vector<std::string>{"close 10000", "launch Kaptorix"}));
  EXPECT_EQ(key.residents, 1U);
  EXPECT_EQ(output.notes, (std::vector<std::string>{"out Kaptorix_Key を再起動しました"}));
}

TEST_F(LauncherTest, StartDoesNotStartASecondCopyBesideOneThatWillNotEnd) {
  file.text = "";
  key.residents = key.refusingToClose = 1;
  EXPECT_EQ(Run({"start"}), kExitFailed);
  EXPECT_EQ(key.events, (std::vector<std::string>{"close 10000"}));
  EXPECT_EQ(output.errors, Errors("エラー", "常駐中のKaptorix_Keyが終了しません"));
}

TEST_F(LauncherTest, MissingOrBrokenCaptureProgramIsReported) {
  key.installed = false;
  EXPECT_EQ(Run({"store"}), kExitFailed);
  EXPECT_EQ(output.errors, Errors("エラー",
                                  "Kaptorix_Key.exeがありません\r\n"
                                  "Kaptorix.exeと同じフォルダに置いて下さい"));
  EXPECT_TRUE(key.events.empty());

  output.errors.clear();
  key.installed = true;
  key.startable = false;
  EXPECT_EQ(Run({"start"}), kExitFailed);
  EXPECT_EQ(output.errors, Errors("エラー", "Kaptorix_Key.exeを起動できません"));
}

TEST_F(LauncherTest, StopSaysWhatItDid) {
  EXPECT_EQ(Run({"stop"}), kExitOk);
  EXPECT_TRUE(key.events.empty());
  key.residents = 2;
  EXPECT_EQ(Run({"stop"}), kExitOk);
  EXPECT_EQ(key.events, (std::vector<std::string>{"close 10000"}));
  EXPECT_TRUE(output.errors.empty());
  EXPECT_FALSE(file.Exists());
  EXPECT_EQ(output.notes, (std::vector<std::string>{"out Kaptorix_Key は常駐していません",
                                                    "out Kaptorix_Key を終了しました"}));
}

TEST_F(LauncherTest, OneShotRunsWaitTheirDelayAndThirtySecondsAndPassOnTheExitCode) {
  file.text = "";
  key.run.exitCode = 12U;
  key.run.errors = "エラー: 空いている連番がありません: C:\\Shots\r\n";
  EXPECT_EQ(Run({"capture", "/KIND=2", "/TIME=5"}), 12);
  EXPECT_EQ(Run({"capture", "/KIND=2", "/ACTIVE=1"}), 12);
  EXPECT_EQ(Run({"store"}), 12);
  EXPECT_EQ(key.events, (std::vector<std::string>{"run Kaptorix /KIND=2 /TIME=5 for 35000",
                                                  "run Kaptorix /KIND=2 /ACTIVE=1 for 31000",
                                                  "run Kaptorix Kaptorix_Dash for 30000"}));
  EXPECT_EQ(output.notes.front(), "err エラー: 空いている連番がありません: C:\\Shots");
  EXPECT_EQ(output.notes.size(), 3U) << "the run's own line, nothing added";
  EXPECT_TRUE(output.errors.empty()) << "no box: Kaptorix_Key.exe has shown its own";
}

TEST_F(LauncherTest, OneShotRunsTellWhatHappenedInOneLineEach) {
  struct Case {
    const char* name;
    KeyRun run;
    int exitCode;
    std::vector<std::string> notes;
  };
  const Case cases[] = {
      {"saved", {0U, "C:\\Kx\\KX001.BMP\r\n", ""}, 0, {"out C:\\Kx\\KX001.BMP"}},
      {"printed on", {0U, "PDF\r\n", ""}, 0, {"out PDF"}},
      {"failure said by the run",
       {10U, "", "エラー: 保存に失敗しました: D:\\KX001.BMP\r\n"},
       10,
       {"err エラー: 保存に失敗しました: D:\\KX001.BMP"}},
      {"failure it did not say",
       {13U, "", ""},
       13,
       {"err エラー: 印刷できません（プリンタがない、見つからない、印刷に失敗した）"}},
      {"a crash",
       {0xC0000005U, "", ""},
       kExitOtherError,
       {"err エラー: Kaptorix_Key.exeが想定外の終了コード 0xC0000005 で終わりました（異常終了）"}},
      {"a code of Kaptorix.exe's own, after the run's line",
       {1U, "", "x\r\n"},
       kExitOtherError,
       {"err x",
        "err エラー: Kaptorix_Key.exeが想定外の終了コード 0x00000001 で終わりました（異常終了）"}},
      {"still waiting for a box",
       {std::nullopt, "", "エラー: 保存に失敗しました: D:\\KX001.BMP\r\n"},
       kExitStillWaiting,
       {"err エラー: 保存に失敗しました: D:\\KX001.BMP",
        "err エラー: Kaptorix_Key.exeが画面のメッセージへの応答を待っています（30秒待ちました）。"
        "応答すると取り込みを終えます"}},
  };
  file.text = "";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    key.run = c.run;
    output.notes.clear();
    EXPECT_EQ(Run({"store"}), c.exitCode);
    EXPECT_EQ(output.notes, c.notes);
    EXPECT_EQ(output.printed, "");
  }
}

TEST_F(LauncherTest, FailedFirstFileStopsTheRun) {
  file.outcome = WriteOutcome::Failed;
  EXPECT_EQ(Run({"capture", "/KIND=1"}), kExitFailed);
  EXPECT_TRUE(key.events.empty());
  EXPECT_EQ(output.errors, Errors("エラー", "Kaptorix.iniを作成できません"));
}

TEST_F(LauncherTest, GetPrintsOneValueOrNamedLines) {
  file.text = "[PAR ]80\r\n[HTXT]見出し\r\n";
  EXPECT_EQ(Run({"get", "percent"}), kExitOk);
  EXPECT_EQ(output.printed, "80\r\n");
  output.printed.clear();
  EXPECT_EQ(Run({"get", "header", "extension"}), kExitOk);
  EXPECT_EQ(output.printed, "header=見出し\r\nextension=.BMP\r\n");
  output.printed.clear();
  EXPECT_EQ(Run({"get"}), kExitOk);
  const std::string start = "key=Print Screen\r\nfolder=C:\\Tools\\Kaptorix\r\nprefix=KX\r\n";
  EXPECT_EQ(output.printed.substr(0, start.size()), start);
  EXPECT_EQ(std::count(output.printed.begin(), output.printed.end(), '\n'),
            static_cast<std::ptrdiff_t>(kAllSettingFields.size()));
  EXPECT_EQ(file.writes, 0);
}

TEST_F(LauncherTest, GetNamesValuesThatHaveNamesAndRawKeepsTheCodes) {
  file.text =
      "[KEY ]123\r\n[I256]1\r\n[MUKI]2\r\n[QUAL]0\r\n[HITI]1\r\n[PAR ]80\r\n"
      "[SVFM]1\r\n[SVKK]1\r\n[GMEN]3\r\n";
  const char* const fields[] = {"get",    "key",     "colors", "orientation", "quality",
                                "layout", "percent", "format", "extension",   "screen"};
  std::vector<std::string> arguments(std::begin(fields), std::end(fields));
  EXPECT_EQ(Run(arguments), kExitOk);
  EXPECT_EQ(output.printed,
            "key=F12\r\ncolors=256色\r\norientation=横\r\nquality=ドラフト\r\n"
            "layout=右寄せ\r\npercent=80\r\nformat=PNG\r\nextension=.png\r\n"
            "screen=すべての画面\r\n");
  output.printed.clear();
  arguments.insert(arguments.begin() + 1, "--raw");
  EXPECT_EQ(Run(arguments), kExitOk);
  EXPECT_EQ(output.printed,
            "key=123\r\ncolors=1\r\norientation=2\r\nquality=0\r\nlayout=1\r\npercent=80\r\n"
            "format=1\r\nextension=.bmp\r\nscreen=3\r\n");
}

TEST_F(LauncherTest, GetReportsAnUnreadableFile) {
  file.text = "";
  file.readable = false;
  EXPECT_EQ(Run({"get", "key"}), kExitFailed);
  EXPECT_EQ(output.errors, Errors("エラー", "Kaptorix.iniを読み込めません"));
  EXPECT_EQ(output.printed, "");
}

TEST_F(LauncherTest, SetChangesOnlyTheNamedSettings) {
  file.text = "; mine\r\n[SVNO]0\r\n[HITI]7\r\n[TIME]5\r\n";
  EXPECT_EQ(Run({"set", "percent=80", "folder=D:\\Shots\\", "extension=.bmp"}), kExitOk);
  const CaptureSettings settings = FileSettings();
  EXPECT_EQ(settings.printPercent, 80);
  EXPECT_EQ(settings.saveFolder, "D:\\Shots");
  EXPECT_EQ(settings.extension, ".bmp");
  EXPECT_EQ(settings.serialDigits, 0);  // not named, not judged
  EXPECT_EQ(file.text->substr(0, 35), "; mine\r\n[SVNO]0\r\n[HITI]7\r\n[TIME]5\r\n");
  EXPECT_TRUE(key.events.empty());
}

TEST_F(LauncherTest, SetRefusesABadValueAndWritesNothing) {
  file.text = "[PAR ]80\r\n";
  EXPECT_EQ(Run({"set", "percent=90", "margin-left=100"}), kExitRefused);
  EXPECT_EQ(file.writes, 0);
  EXPECT_EQ(file.text, "[PAR ]80\r\n");
  EXPECT_EQ(output.errors, Errors("入力エラー", "「余白 左」は0から99までの数値で指定して下さい"));
  file.text.reset();
  EXPECT_EQ(Run({"set", "digits=0"}), kExitRefused);
  EXPECT_FALSE(file.Exists()) << "no file of defaults either";
}

TEST_F(LauncherTest, WritersTakeTurnsAndTheDialogSeesOthersChanges) {
  file.busy = true;
  EXPECT_EQ(Run({"set", "percent=70"}), kExitFailed);
  EXPECT_EQ(
      output.errors.back().text,
      "Kaptorix.iniをほかの Kaptorix.exe が書き込み中です\r\nしばらくしてからやり直して下さい");
  file.busy = false;
  file.text = "";
  const CaptureSettings mine = *launcher.LoadSettings();
  file.text->append("; theirs\r\n");
  EXPECT_EQ(launcher.SaveSettings(mine, false), SaveOutcome::ChangedMeanwhile);
  EXPECT_EQ(launcher.SaveSettings(mine, true), SaveOutcome::Saved);
  EXPECT_EQ(launcher.SaveSettings(mine, false), SaveOutcome::Saved) << "its own save is no change";
  EXPECT_EQ(file.writes, 2);
  EXPECT_NE(file.text->find("; theirs\r\n"), std::string::npos);
}

TEST_F(LauncherTest, SetAcceptsNamesAndRefusesTypingKeys) {
  file.text = "";
  EXPECT_EQ(Run({"set", "key=f12", "colors=16色", "orientation=縦"}), kExitOk);
  EXPECT_EQ(FileSettings().hotKey, 123);
  EXPECT_EQ(FileSettings().colors, ColorReduction::To16);
  EXPECT_EQ(FileSettings().orientation, Orientation::Portrait);
  EXPECT_EQ(Run({"set", "key=page down"}), kExitOk);
  EXPECT_EQ(FileSettings().hotKey, 34);
  EXPECT_EQ(
      Run({"set", "format=png", "screen=すべての画面", "clipboard=1", "extension=.png", "tray=1"}),
      kExitOk);
  EXPECT_TRUE(FileSettings().tray);
  EXPECT_EQ(FileSettings().fileFormat, FileFormat::Png);
  EXPECT_EQ(FileSettings().screen, Screen::AllMonitors);
  EXPECT_TRUE(FileSettings().clipboard);
  EXPECT_EQ(FileSettings().extension, ".bmp");

  EXPECT_EQ(Run({"set", "key=A"}), kExitRefused);
  EXPECT_EQ(Run({"set", "key=65"}), kExitRefused);
  EXPECT_EQ(FileSettings().hotKey, 34);
  EXPECT_EQ(output.errors.back().text,
            "「ホットキー」に文字、数字、Space、Enter など普段の入力に使うキーは使えません"
            "（Print Screen、Pause、F1～F24 などを指定して下さい）");
}

TEST_F(LauncherTest, SetTellsWhenTheNewValuesApply) {
  file.text = "";
  EXPECT_EQ(Run({"set", "percent=80"}), kExitOk);
  EXPECT_TRUE(output.notes.empty()) << "nothing runs: the next start reads them";

  key.residents = 1;
  EXPECT_EQ(Run({"set", "percent=70"}), kExitOk);
  EXPECT_EQ(
      output.notes,
      (std::vector<std::string>{
          "out Kaptorix_Key は常駐中です。新しい設定は Kaptorix.exe start で再起動すると有効に"
          "なります（set --restart でも再起動できます）"}));
  EXPECT_TRUE(key.events.empty());

  output.notes.clear();
  EXPECT_EQ(Run({"set", "--restart", "percent=60"}), kExitOk);
  EXPECT_EQ(FileSettings().printPercent, 60);
  EXPECT_EQ(key.events, (std::vector<std::string>{"close 10000", "launch Kaptorix"}));
  EXPECT_EQ(output.notes, (std::vector<std::string>{"out Kaptorix_Key を再起動しました"}));

  key.residents = 0;
  key.events.clear();
  output.notes.clear();
  EXPECT_EQ(Run({"set", "percent=50", "--RESTART"}), kExitOk);
  EXPECT_TRUE(key.events.empty());
  EXPECT_EQ(output.notes,
            (std::vector<std::string>{
                "out Kaptorix_Key は常駐していません。新しい設定は次の起動から有効です"}));
}

TEST_F(LauncherTest, SetReportsAFailedWrite) {
  file.text = "";
  file.outcome = WriteOutcome::NotEncodable;
  EXPECT_EQ(Run({"set", "header=x"}), kExitFailed);
  EXPECT_EQ(output.errors, Errors("エラー",
                                  "Kaptorix.iniに書き込めません\r\n"
                                  "このパソコンの文字コードで保存できない文字があります"));
}

}  // namespace
}  // namespace kx
