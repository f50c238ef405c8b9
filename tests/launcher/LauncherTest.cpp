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
 public:
  std::optional<std::string> text;  // nothing: no file
  bool readable = true;
  WriteOutcome outcome = WriteOutcome::Written;
  int writes = 0;

  bool Exists() override { return text.has_value(); }
  std::optional<std::string> Read() override {
    if (!readable) return std::nullopt;
    return text;
  }
  WriteOutcome Write(const CaptureSettings& settings) override {
    ++writes;
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
  std::uint32_t exitCode = 0;
  std::vector<std::string> events;

  bool Installed() override { return installed; }
  bool Launch(std::string_view arguments) override {
    events.push_back("launch " + std::string(arguments));
    if (startable) ++residents;
    return startable;
  }
  std::optional<std::uint32_t> RunToEnd(std::string_view arguments) override {
    events.push_back("run " + std::string(arguments));
    if (!startable) return std::nullopt;
    return exitCode;
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

  void Print(std::string_view text) override { printed += text; }
  void ReportError(const MessageText& message) override { errors.push_back(message); }
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
  EXPECT_EQ(output.errors, Errors("エラー", "Kaptorix_Key.exeがありません\r\n"
                                          "Kaptorix.exeと同じフォルダに置いて下さい"));
  EXPECT_TRUE(key.events.empty());

  output.errors.clear();
  key.installed = true;
  key.startable = false;
  EXPECT_EQ(Run({"start"}), kExitFailed);
  EXPECT_EQ(output.errors, Errors("エラー", "Kaptorix_Key.exeを起動できません"));
}

TEST_F(LauncherTest, StopIsQuietWhenNothingRuns) {
  EXPECT_EQ(Run({"stop"}), kExitOk);
  EXPECT_TRUE(key.events.empty());
  key.residents = 2;
  EXPECT_EQ(Run({"stop"}), kExitOk);
  EXPECT_EQ(key.events, (std::vector<std::string>{"close 10000"}));
  EXPECT_TRUE(output.errors.empty());
  EXPECT_FALSE(file.Exists());
}

TEST_F(LauncherTest, OneShotRunsWaitAndPassOnTheExitCode) {
  file.text = "";
  key.exitCode = 3;
  EXPECT_EQ(Run({"capture", "/KIND=2", "/TIME=1"}), 3);
  EXPECT_EQ(Run({"store"}), 3);
  EXPECT_EQ(key.events, (std::vector<std::string>{"run Kaptorix /KIND=2 /TIME=1",
                                                  "run Kaptorix Kaptorix_Dash"}));
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
  const std::string start = "key=44\r\nfolder=C:\\Tools\\Kaptorix\r\nprefix=KX\r\n";
  EXPECT_EQ(output.printed.substr(0, start.size()), start);
  EXPECT_EQ(std::count(output.printed.begin(), output.printed.end(), '\n'),
            static_cast<std::ptrdiff_t>(kAllSettingFields.size()));
  EXPECT_EQ(file.writes, 0);
}

TEST_F(LauncherTest, GetReportsAnUnreadableFile) {
  file.text = "";
  file.readable = false;
  EXPECT_EQ(Run({"get", "key"}), kExitFailed);
  EXPECT_EQ(output.errors, Errors("エラー", "Kaptorix.iniを読み込めません"));
  EXPECT_EQ(output.printed, "");
}

TEST_F(LauncherTest, SetChangesOnlyTheNamedSettings) {
  file.text = "; mine\r\n[SVNO]0\r\n";
  EXPECT_EQ(Run({"set", "percent=80", "folder=D:\\Shots\\", "extension=.bmp"}), kExitOk);
  const CaptureSettings settings = FileSettings();
  EXPECT_EQ(settings.printPercent, 80);
  EXPECT_EQ(settings.saveFolder, "D:\\Shots");
  EXPECT_EQ(settings.extension, ".bmp");
  EXPECT_EQ(settings.serialDigits, 0);  // not named, not judged
  EXPECT_EQ(file.text->substr(0, 8), "; mine\r\n");
  EXPECT_TRUE(key.events.empty());
}

TEST_F(LauncherTest, SetRefusesABadValueAndWritesNothing) {
  file.text = "[PAR ]80\r\n";
  EXPECT_EQ(Run({"set", "percent=90", "margin-left=100"}), kExitRefused);
  EXPECT_EQ(file.writes, 0);
  EXPECT_EQ(file.text, "[PAR ]80\r\n");
  EXPECT_EQ(output.errors, Errors("入力エラー", "左余白は0から99までの数値で指定して下さい"));
}

TEST_F(LauncherTest, SetReportsAFailedWrite) {
  file.text = "";
  file.outcome = WriteOutcome::NotEncodable;
  EXPECT_EQ(Run({"set", "header=x"}), kExitFailed);
  EXPECT_EQ(output.errors,
            Errors("エラー", "Kaptorix.iniに書き込めません\r\n"
                             "このパソコンの文字コードで保存できない文字があります"));
}

}  // namespace
}  // namespace kx
