#include "app/Startup.h"

#include "app/CommandGet.h"
#include "base/Paths.h"
#include "base/ProductNames.h"
#include "settings/SettingsReader.h"

namespace kx {
namespace {

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
  kindValue = CommandGet(commandLine, kKindOption);
  return kindValue.empty() ? Course::Resident : Course::OptionRun;
}

std::optional<StartupPlan> PlanStartup(std::string_view commandLine, const std::string& programDir,
                                       StartupServices& services) {
  if (!StartedByLauncher(commandLine)) {
    services.ShowError(StartupError(kNotStartedByLauncherText));
    return std::nullopt;
  }
  const std::string iniPath = JoinPath(programDir, kSettingsFileName);
  if (!services.FileExists(iniPath)) {
    services.ShowError(StartupError(kSettingsFileMissingText));
    return std::nullopt;
  }

  StartupPlan plan;
  plan.settings = DefaultCaptureSettings(programDir);
  const std::optional<std::string> text = services.ReadTextFile(iniPath);
  if (!text) {
    services.ShowError(StartupError(kSettingsFileUnreadableText));
    return std::nullopt;
  }
  ReadSettings(*text, plan.settings);

  plan.showMainWindow = commandLine.find(kTestMarker) != std::string_view::npos;
  plan.course = ChooseCourse(commandLine, plan.kindValue);
  return plan;
}

}  // namespace kx
