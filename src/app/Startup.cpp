#include "app/Startup.h"

#include "app/CommandGet.h"
#include "base/Paths.h"
#include "settings/SettingsReader.h"

namespace kx {
namespace {

constexpr std::string_view kStartupErrorTitle = "起動エラー";

MessageText StartupError(std::string_view text) {
  return {std::string(kStartupErrorTitle), std::string(text)};
}

}  // namespace

bool StartedByLauncher(std::string_view commandLine) {
  return commandLine.substr(0, kLauncherWord.size()) == kLauncherWord;
}

Course ChooseCourse(std::string_view commandLine, std::string& kindValue) {
  kindValue.clear();
  if (commandLine.find(kStoreMarker) != std::string_view::npos) return Course::StoreRun;
  kindValue = CommandGet(commandLine, "/KIND=");
  return kindValue.empty() ? Course::Resident : Course::OptionRun;
}

std::optional<StartupPlan> PlanStartup(std::string_view commandLine, const std::string& programDir,
                                       StartupServices& services) {
  if (!StartedByLauncher(commandLine)) {
    services.ShowAndExit(StartupError("Kaptorix.exeを起動して下さい"));
    return std::nullopt;
  }
  const std::string iniPath = JoinPath(programDir, kSettingsFileName);
  if (!services.FileExists(iniPath)) {
    services.ShowAndExit(StartupError("Kaptorix.iniがありません"));
    return std::nullopt;
  }

  StartupPlan plan;
  plan.settings = DefaultCaptureSettings(programDir);
  const std::optional<std::string> text = services.ReadTextFile(iniPath);
  if (!text) {
    services.ShowAndExit(StartupError("Kaptorix.iniを読み込めません"));
    return std::nullopt;
  }
  ReadSettings(*text, plan.settings);

  plan.showMainWindow = commandLine.find(kTestMarker) != std::string_view::npos;
  plan.course = ChooseCourse(commandLine, plan.kindValue);
  return plan;
}

}  // namespace kx
