#include "launcher/Launcher.h"

#include "base/ProductNames.h"
#include "settings/SettingsReader.h"

namespace kx {

Launcher::Launcher(std::string programDir, SettingsFile& file, KeyProgram& key,
                   SettingsProbe& probe, LauncherOutput& output)
    : programDir_(std::move(programDir)), file_(file), key_(key), probe_(probe), output_(output) {}

int Launcher::Run(const LauncherCommand& command) {
  switch (command.action) {
    case LauncherAction::Dialog:
    case LauncherAction::Help:
      output_.Print(UsageText());
      return kExitOk;
    case LauncherAction::Start:
      return EnsureSettingsFile() && StartResident(command.showKeyWindow) ? kExitOk : kExitFailed;
    case LauncherAction::Stop:
      return StopResidents() ? kExitOk : kExitFailed;
    case LauncherAction::Capture:
    case LauncherAction::Store:
      return RunOnce(command);
    case LauncherAction::Get:
      return Get(command);
    case LauncherAction::Set:
      return Set(command);
  }
  return kExitFailed;
}

bool Launcher::EnsureSettingsFile() {
  if (file_.Exists()) return true;
  switch (file_.Write(DefaultCaptureSettings(programDir_))) {
    case WriteOutcome::Written:
      return true;
    case WriteOutcome::NotEncodable:
      Fail("Kaptorix.iniを作成できません\r\nフォルダ名にこのパソコンの文字コードで保存できない文字があります");
      return false;
    case WriteOutcome::Failed:
      break;
  }
  Fail("Kaptorix.iniを作成できません");
  return false;
}

std::optional<CaptureSettings> Launcher::LoadSettings() {
  CaptureSettings settings = DefaultCaptureSettings(programDir_);
  if (!file_.Exists()) return settings;
  const std::optional<std::string> text = file_.Read();
  if (!text) {
    Fail("Kaptorix.iniを読み込めません");
    return std::nullopt;
  }
  ReadSettings(*text, settings);
  return settings;
}

bool Launcher::SaveSettings(const CaptureSettings& settings) {
  switch (file_.Write(settings)) {
    case WriteOutcome::Written:
      return true;
    case WriteOutcome::NotEncodable:
      Fail("Kaptorix.iniに書き込めません\r\nこのパソコンの文字コードで保存できない文字があります");
      return false;
    case WriteOutcome::Failed:
      break;
  }
  Fail("Kaptorix.iniに書き込めません");
  return false;
}

bool Launcher::StartResident(bool showWindow) {
  if (!CheckInstalled() || !StopResidents()) return false;
  LauncherCommand start;
  start.action = LauncherAction::Start;
  start.showKeyWindow = showWindow;
  if (!key_.Launch(KeyArguments(start))) {
    Fail("Kaptorix_Key.exeを起動できません");
    return false;
  }
  return true;
}

bool Launcher::StopResidents() {
  if (key_.ResidentCount() == 0) return true;
  if (key_.CloseResidents(kStopTimeoutMs) > 0) {
    Fail("常駐中のKaptorix_Keyが終了しません");
    return false;
  }
  return true;
}

int Launcher::Get(const LauncherCommand& command) {
  const std::optional<CaptureSettings> settings = LoadSettings();
  if (!settings) return kExitFailed;
  if (command.fields.size() == 1) {
    output_.Print(FieldText(*settings, command.fields.front()) + "\r\n");
    return kExitOk;
  }
  std::string text;
  const auto list = [&](SettingField field) {
    text.append(CommandName(field)).append("=").append(FieldText(*settings, field)).append("\r\n");
  };
  if (command.fields.empty()) {
    for (const SettingField field : kAllSettingFields) list(field);
  } else {
    for (const SettingField field : command.fields) list(field);
  }
  output_.Print(text);
  return kExitOk;
}

int Launcher::Set(const LauncherCommand& command) {
  if (!EnsureSettingsFile()) return kExitFailed;
  std::optional<CaptureSettings> settings = LoadSettings();
  if (!settings) return kExitFailed;
  for (const auto& [field, text] : command.assignments) {
    std::optional<FieldProblem> problem = SetFieldText(*settings, field, text);
    if (!problem) problem = CheckSetting(*settings, field, probe_);
    if (problem) {
      output_.ReportError({std::string(kInputErrorTitle), problem->message});
      return kExitRefused;
    }
  }
  return SaveSettings(*settings) ? kExitOk : kExitFailed;
}

int Launcher::RunOnce(const LauncherCommand& command) {
  if (!EnsureSettingsFile() || !CheckInstalled()) return kExitFailed;
  const std::optional<std::uint32_t> exitCode = key_.RunToEnd(KeyArguments(command));
  if (!exitCode) {
    Fail("Kaptorix_Key.exeを起動できません");
    return kExitFailed;
  }
  return static_cast<int>(*exitCode);
}

bool Launcher::CheckInstalled() {
  if (key_.Installed()) return true;
  Fail("Kaptorix_Key.exeがありません\r\nKaptorix.exeと同じフォルダに置いて下さい");
  return false;
}

void Launcher::Fail(std::string_view text) {
  output_.ReportError({std::string(kErrorTitle), std::string(text)});
}

}  // namespace kx
