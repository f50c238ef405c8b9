#include "app/Startup.h"

#include <gtest/gtest.h>

#include <map>

namespace kx {
namespace {

const std::string kDir = "C:\\Kx";
const std::string kIni = "C:\\Kx\\Kaptorix.ini";

class FakeStartupServices final : public StartupServices {
 public:
  bool FileExists(const std::string& path) override { return files.count(path) > 0; }
  std::optional<std::string> ReadTextFile(const std::string& path) override {
    if (unreadable) return std::nullopt;
    const auto found = files.find(path);
    return found == files.end() ? std::nullopt : std::optional<std::string>(found->second);
  }
  void ShowError(const MessageText& message) override { boxes.push_back(message); }

  std::map<std::string, std::string> files{{kIni, ""}};
  bool unreadable = false;
  std::vector<MessageText> boxes;
};

const MessageText kStartKaptorix{"起動エラー", "Kaptorix.exeを起動して下さい"};
const MessageText kNoIni{"起動エラー", "Kaptorix.iniがありません"};

TEST(Startup, LauncherWordMustOpenTheLine) {
  EXPECT_TRUE(StartedByLauncher("Kaptorix"));
  EXPECT_TRUE(StartedByLauncher("KaptorixAnything"));
  EXPECT_TRUE(StartedByLauncher("Kaptorix_TEST"));
  EXPECT_FALSE(StartedByLauncher(""));
  EXPECT_FALSE(StartedByLauncher("kaptorix"));
  EXPECT_FALSE(StartedByLauncher("Kaptori"));
  EXPECT_FALSE(StartedByLauncher(" Kaptorix"));
}

TEST(Startup, WrongLauncherWordShowsItsBoxBeforeAnythingElse) {
  for (const char* line : {"", "kaptorix", "Kaptori", "/KIND=2 Kaptorix"}) {
    FakeStartupServices services;
    services.files.clear();
    EXPECT_FALSE(PlanStartup(line, kDir, services)) << line;
    EXPECT_EQ(services.boxes, std::vector<MessageText>{kStartKaptorix}) << line;
  }
}

TEST(Startup, MissingSettingsFileIsReportedForEveryCourse) {
  for (const char* line : {"Kaptorix", "Kaptorix /KIND=2", "Kaptorix_Dash"}) {
    FakeStartupServices services;
    services.files.clear();
    EXPECT_FALSE(PlanStartup(line, kDir, services)) << line;
    EXPECT_EQ(services.boxes, std::vector<MessageText>{kNoIni}) << line;
  }
}

TEST(Startup, UnreadableSettingsFileIsAStartupError) {
  FakeStartupServices services;
  services.unreadable = true;
  EXPECT_FALSE(PlanStartup("Kaptorix", kDir, services));
  ASSERT_EQ(services.boxes.size(), 1U);
  EXPECT_EQ(services.boxes[0].title, "起動エラー");
  EXPECT_EQ(services.boxes[0].text, "Kaptorix.iniを読み込めません");
}

TEST(Startup, ReadsSettingsOverTheDefaults) {
  FakeStartupServices services;
  services.files[kIni] = "[SVHD]AB\r\n[SVNO]2\r\n";
  const auto plan = PlanStartup("Kaptorix", kDir, services);
  ASSERT_TRUE(plan);
  EXPECT_TRUE(services.boxes.empty());
  EXPECT_EQ(plan->settings.filePrefix, "AB");
  EXPECT_EQ(plan->settings.serialDigits, 2);
  EXPECT_EQ(plan->settings.saveFolder, kDir);
}

TEST(Startup, ChoosesTheCourse) {
  struct Case {
    const char* line;
    Course course;
    bool visible;
    const char* kind;
  };
  const Case cases[] = {
      {"Kaptorix", Course::Resident, false, ""},
      {"Kaptorix_TEST", Course::Resident, true, ""},
      {"Kaptorix_TEST Kaptorix_Dash", Course::StoreRun, true, ""},
      {"Kaptorix_Dash /KIND=1", Course::StoreRun, false, ""},
      {"Kaptorix /KIND=2 /TIME=3", Course::OptionRun, false, "2 "},
      {"Kaptorix /KIND=/TIME=3", Course::Resident, false, ""},
      {"Kaptorix /kind=2", Course::Resident, false, ""},
      {"Kaptorix kaptorix_dash", Course::Resident, false, ""},
  };
  for (const Case& c : cases) {
    FakeStartupServices services;
    const auto plan = PlanStartup(c.line, kDir, services);
    ASSERT_TRUE(plan) << c.line;
    EXPECT_EQ(plan->course, c.course) << c.line;
    EXPECT_EQ(plan->showMainWindow, c.visible) << c.line;
    EXPECT_EQ(plan->kindValue, c.kind) << c.line;
  }
}

}  // namespace
}  // namespace kx
