#pragma once
// What Kaptorix.exe does: the settings file, and starting and stopping
// Kaptorix_Key.exe. The settings dialog uses the same steps.

#include <cstdint>
#include <optional>
#include <string>

#include "base/ExitCodes.h"
#include "launcher/LauncherCommand.h"
#include "launcher/LauncherServices.h"
#include "launcher/SettingChecks.h"

namespace kx {

inline constexpr std::uint32_t kStopTimeoutMs = 10000;

enum class SaveOutcome { Saved, Failed, ChangedMeanwhile };

class Launcher {
 public:
  Launcher(std::string programDir, SettingsFile& file, KeyProgram& key, SettingsProbe& probe,
           LauncherOutput& output);

  // Runs a command other than the dialog; returns the exit code.
  [[nodiscard]] int Run(const LauncherCommand& command);

  // Writes a file of defaults when there is none; false (reported) when that failed.
  [[nodiscard]] bool EnsureSettingsFile();
  // The settings as Kaptorix_Key.exe will read them; nothing (reported) when
  // the file cannot be read.
  [[nodiscard]] std::optional<CaptureSettings> LoadSettings();
  // Writes checked settings in the writers' turn; Failed is reported. Unless
  // `overwrite`, a file that changed since the last LoadSettings or save here
  // is left as it is: ChangedMeanwhile.
  [[nodiscard]] SaveOutcome SaveSettings(const CaptureSettings& settings, bool overwrite);
  // Starts the resident program, ending a running one first; false (reported) on failure.
  [[nodiscard]] bool StartResident(bool showWindow);
  // Ends every resident copy; false (reported) when one does not end.
  [[nodiscard]] bool StopResidents();

 private:
  int Start(const LauncherCommand& command);
  int Stop();
  int Get(const LauncherCommand& command);
  int Set(const LauncherCommand& command);
  int RunOnce(const LauncherCommand& command);
  std::unique_ptr<WriterTurn> TakeTurn();
  bool WriteFile(const CaptureSettings& settings);
  // The file's text now; nothing when there is none or it cannot be read.
  std::optional<std::string> CurrentText();
  bool CheckInstalled();
  void Fail(std::string_view text);

  std::string programDir_;
  SettingsFile& file_;
  KeyProgram& key_;
  SettingsProbe& probe_;
  LauncherOutput& output_;
  std::optional<std::string> readText_;  // as the last load or save here left the file
};

// The title of boxes that refuse an input.
inline constexpr std::string_view kInputErrorTitle = "入力エラー";
// The title of boxes that tell or ask something.
inline constexpr std::string_view kMessageTitle = "Kaptorix";

}  // namespace kx
