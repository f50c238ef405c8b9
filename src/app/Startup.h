#pragma once
// What the program does when it starts: the launcher check, the settings file,
// the window placement and the choice of course.

#include <optional>
#include <string>
#include <string_view>

#include "base/MessageText.h"
#include "settings/CaptureSettings.h"

namespace kx {

enum class Course { Resident, StoreRun, OptionRun };

struct StartupPlan {
  CaptureSettings settings;
  bool showMainWindow = false;  // "Kaptorix_TEST": the main window stays visible
  Course course = Course::Resident;
  std::string kindValue;  // the value of "/KIND=" for the option run
};

// The system as start-up sees it.
class StartupServices {
 public:
  virtual ~StartupServices() = default;
  // True when an ordinary file (not a folder) of that name exists.
  virtual bool FileExists(const std::string& path) = 0;
  // The file's text in UTF-8, or nothing when it cannot be opened or read.
  [[nodiscard]] virtual std::optional<std::string> ReadTextFile(const std::string& path) = 0;
  // Shows the error box (error icon, one OK button) of a failed start-up and
  // returns once the user has closed it.
  virtual void ShowError(const MessageText& message) = 0;
};

bool StartedByLauncher(std::string_view commandLine);
Course ChooseCourse(std::string_view commandLine, std::string& kindValue);

// Runs the checks and reads the settings. Nothing when start-up failed: the
// error box has been shown through `services` and the process is to end.
[[nodiscard]] std::optional<StartupPlan> PlanStartup(std::string_view commandLine,
                                                     const std::string& programDir,
                                                     StartupServices& services);

}  // namespace kx
