#include "launcher/LauncherCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>

#include "app/CommandGet.h"
#include "app/Startup.h"
#include "base/LenientNumber.h"
#include "launcher/SettingRules.h"

namespace kx {
namespace {

std::variant<LauncherCommand, std::string> Parse(std::vector<std::string> arguments) {
  return ParseLauncherArguments(arguments);
}

LauncherCommand Command(std::vector<std::string> arguments) {
  auto parsed = Parse(std::move(arguments));
  if (const auto* refusal = std::get_if<std::string>(&parsed)) {
    ADD_FAILURE() << *refusal;
    return {};
  }
  return std::get<LauncherCommand>(parsed);
}

std::string Refusal(std::vector<std::string> arguments) {
  auto parsed = Parse(std::move(arguments));
  if (!std::holds_alternative<std::string>(parsed)) return "(accepted)";
  const std::string& text = std::get<std::string>(parsed);
  return text.substr(0, text.find("\r\n"));
}

TEST(LauncherCommand, ChoosesTheActionFromTheFirstWord) {
  EXPECT_EQ(Command({}).action, LauncherAction::Dialog);
  EXPECT_EQ(Command({"START"}).action, LauncherAction::Start);
  EXPECT_EQ(Command({"stop"}).action, LauncherAction::Stop);
  EXPECT_EQ(Command({"Store"}).action, LauncherAction::Store);
  EXPECT_EQ(Command({"get"}).action, LauncherAction::Get);
  EXPECT_EQ(Command({"/?"}).action, LauncherAction::Help);
  EXPECT_TRUE(Command({"start", "/test"}).showKeyWindow);
  EXPECT_EQ(Refusal({"begin"}), "コマンドが違います: begin");
  EXPECT_NE(std::get<std::string>(Parse({"begin"})).find("Kaptorix.exe help"), std::string::npos);
  EXPECT_EQ(Refusal({"stop", "/TEST"}), "この引数は使えません: /TEST");
  EXPECT_EQ(Refusal({"start", "now"}), "この引数は使えません: now");
}

TEST(LauncherCommand, CaptureTakesTheFourOptionsInAnyCase) {
  const LauncherCommand command =
      Command({"capture", "/prnt= My Printer ", "/KIND=2", "/Time=3", "/ACTIVE=1"});
  EXPECT_EQ(command.action, LauncherAction::Capture);
  EXPECT_EQ(command.capture, (CaptureOptions{"2", "3", "1", "My Printer", {}}));
  EXPECT_EQ(KeyArguments(command), "Kaptorix /KIND=2 /TIME=3 /ACTIVE=1 /PRNT=My Printer");
  EXPECT_EQ(KeyArguments(Command({"capture", "/KIND=1"})), "Kaptorix /KIND=1");
  EXPECT_EQ(KeyArguments(Command({"capture", "/PRNT=P", "/area=-8,0,5,5", "/KIND=1"})),
            "Kaptorix /KIND=1 /AREA=-8,0,5,5 /PRNT=P");
  EXPECT_EQ(KeyArguments(Command({"capture", "/KIND=1", "/PRNT="})), "Kaptorix /KIND=1 /PRNT=");
  EXPECT_EQ(KeyArguments(Command({"capture", "/TEST", "/KIND=2"})), "Kaptorix_TEST /KIND=2");
}

TEST(LauncherCommand, CaptureRefusesWhatTheCaptureProgramWouldMisread) {
  EXPECT_EQ(Refusal({"capture"}), "capture には /KIND= を指定して下さい");
  EXPECT_EQ(Refusal({"capture", "/KIND="}), "/KIND= は 1（印刷）か 2（保存）で指定して下さい");
  EXPECT_EQ(Refusal({"capture", "/KIND=3"}), Refusal({"capture", "/KIND="}));
  EXPECT_EQ(Refusal({"capture", "/KIND=2", "/TIME=21"}),
            "/TIME= は 0 から 20 までの秒数で指定して下さい");
  EXPECT_EQ(Refusal({"capture", "/KIND=2", "/TIME=-1"}),
            Refusal({"capture", "/KIND=2", "/TIME=21"}));
  EXPECT_EQ(Refusal({"capture", "/KIND=2", "/ACTIVE=2"}),
            "/ACTIVE= は 0（画面全体）か 1（手前のウィンドウ）で指定して下さい");
  const std::string printer =
      "/PRNT= のプリンタ名に / や改行、Kaptorix_TEST、Kaptorix_Dash は使えません";
  EXPECT_EQ(Refusal({"capture", "/KIND=1", "/PRNT=\\\\srv/lp"}), printer);
  EXPECT_EQ(Refusal({"capture", "/KIND=1", "/PRNT=My Kaptorix_Dash"}), printer);
  EXPECT_EQ(Refusal({"capture", "/KIND=2", "/AREA=/TIME= 5"}),
            "/AREA= は x,y,幅,高さ（画素）か select で指定して下さい");
  EXPECT_EQ(Refusal({"capture", "/KIND=1", "/KIND=2"}), "同じオプションが二度あります: /KIND=2");
  EXPECT_EQ(Refusal({"capture", "/KIND=1", "/WAIT=2"}), "この引数は使えません: /WAIT=2");
}

TEST(LauncherCommand, TheCaptureProgramReadsBackWhatWasAsked) {
  struct Case {
    std::vector<std::string> arguments;
    Course course;
    double kind, time, active;
    std::string printer;
  };
  const Case cases[] = {
      {{"capture", "/KIND=2", "/TIME=20", "/ACTIVE=1", "/PRNT=  LBP 共有  "},
       Course::OptionRun,
       2,
       20,
       1,
       "LBP 共有"},
      {{"capture", "/PRNT=Office", "/KIND=1"}, Course::OptionRun, 1, 0, 0, "Office"},
      {{"capture", "/KIND=2", "/TEST", "/ACTIVE=0"}, Course::OptionRun, 2, 0, 0, ""},
      {{"store"}, Course::StoreRun, 0, 0, 0, ""},
      {{"store", "/TEST"}, Course::StoreRun, 0, 0, 0, ""},
      {{"start"}, Course::Resident, 0, 0, 0, ""},
      {{"start", "/TEST"}, Course::Resident, 0, 0, 0, ""},
  };
  for (const Case& c : cases) {
    const std::string line = KeyArguments(Command(c.arguments));
    SCOPED_TRACE(line);
    EXPECT_TRUE(StartedByLauncher(line));
    std::string kind;
    EXPECT_EQ(ChooseCourse(line, kind), c.course);
    const bool test =
        std::find(c.arguments.begin(), c.arguments.end(), "/TEST") != c.arguments.end();
    EXPECT_EQ(line.find(kTestMarker) != std::string::npos, test);
    if (c.course != Course::OptionRun) continue;
    EXPECT_EQ(ReadLenientNumber(kind), c.kind);
    EXPECT_EQ(ReadLenientNumber(CommandGet(line, "/TIME=")), c.time);
    EXPECT_EQ(ReadLenientNumber(CommandGet(line, "/ACTIVE=")), c.active);
    std::string printer = CommandGet(line, "/PRNT=");
    printer.erase(0, printer.find_first_not_of(' '));
    printer.erase(printer.find_last_not_of(' ') + 1);
    EXPECT_EQ(printer, c.printer);
  }
}

TEST(LauncherCommand, CaptureDelayIsTheTimeAndAtLeastASecondForTheWindowInFront) {
  EXPECT_EQ(CaptureDelaySeconds(Command({"capture", "/KIND=2"})), 0U);
  EXPECT_EQ(CaptureDelaySeconds(Command({"capture", "/KIND=2", "/TIME=20"})), 20U);
  EXPECT_EQ(CaptureDelaySeconds(Command({"capture", "/KIND=2", "/ACTIVE=1"})), 1U);
  EXPECT_EQ(CaptureDelaySeconds(Command({"capture", "/KIND=2", "/ACTIVE=1", "/TIME=4"})), 4U);
  EXPECT_EQ(CaptureDelaySeconds(Command({"capture", "/KIND=2", "/ACTIVE=0", "/TIME= 3"})), 3U);
  EXPECT_EQ(CaptureDelaySeconds(Command({"store"})), 0U);
}

TEST(LauncherCommand, GetAndSetNameTheirSettings) {
  EXPECT_EQ(Command({"get", "KEY", "margin-top"}).fields,
            (std::vector<SettingField>{SettingField::Key, SettingField::MarginTop}));
  EXPECT_TRUE(Command({"get"}).fields.empty());
  EXPECT_EQ(Refusal({"get", "colour"}), "設定の名前が違います: colour");

  const LauncherCommand set = Command({"set", "percent=80", "header=a=b", "printer="});
  EXPECT_EQ(set.assignments,
            (std::vector<std::pair<SettingField, std::string>>{{SettingField::PrintPercent, "80"},
                                                               {SettingField::HeaderText, "a=b"},
                                                               {SettingField::Printer, ""}}));
  EXPECT_EQ(Refusal({"set"}), "set には 名前=値 を指定して下さい");
  EXPECT_EQ(Refusal({"set", "--restart"}), Refusal({"set"}));
  EXPECT_TRUE(Command({"set", "--Restart", "percent=80"}).restart);
  EXPECT_FALSE(Command({"set", "percent=80"}).restart);
  EXPECT_TRUE(Command({"get", "--raw", "key"}).raw);
  EXPECT_EQ(Command({"get", "key", "--RAW"}).fields, std::vector<SettingField>{SettingField::Key});
  EXPECT_EQ(Refusal({"get", "-raw"}), "設定の名前が違います: -raw");
  EXPECT_EQ(Refusal({"set", "percent"}), "名前=値 の形で指定して下さい: percent");
  EXPECT_EQ(Refusal({"set", "size=3"}), "設定の名前が違います: size");
}

TEST(LauncherCommand, HelpListsTheNamesTheCommandsTake) {
  const std::string usage = UsageText();
  const std::size_t from = usage.find("名前:") + std::string_view("名前:").size();
  std::istringstream names(usage.substr(from, usage.find("capture と store") - from));
  std::vector<std::string> taken;
  for (const SettingField field : kAllSettingFields) taken.emplace_back(CommandName(field));
  EXPECT_EQ(std::vector<std::string>(std::istream_iterator<std::string>(names), {}), taken);
}

}  // namespace
}  // namespace kx
