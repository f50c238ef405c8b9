#include "launcher/Launcher.h"

#include <cstdio>

#include "base/ProductNames.h"
#include "launcher/SettingRules.h"
#include "settings/SettingsReader.h"

namespace kx {
namespace {

constexpr std::string_view kStartedNote = "Kaptorix_Key を起動しました";
constexpr std::string_view kRestartedNote = "Kaptorix_Key を再起動しました";
constexpr std::string_view kStoppedNote = "Kaptorix_Key を終了しました";
constexpr std::string_view kNotRunningNote = "Kaptorix_Key は常駐していません";
constexpr std::string_view kAppliesAfterStartNote =
    "Kaptorix_Key は常駐中です。新しい設定は Kaptorix.exe start で再起動すると有効になります"
    "（set --restart でも再起動できます）";
constexpr std::string_view kAppliesAtNextStartNote =
    "Kaptorix_Key は常駐していません。新しい設定は次の起動から有効です";

// The lines of a program's output, without their ends; none for no output.
std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

}  // namespace

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
      return Start(command);
    case LauncherAction::Stop:
      return Stop();
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
  const std::unique_ptr<WriterTurn> turn = TakeTurn();
  if (!turn) return false;
  if (file_.Exists()) return true;  // another writer made it meanwhile
  switch (file_.Write(DefaultCaptureSettings(programDir_))) {
    case WriteOutcome::Written:
      return true;
    case WriteOutcome::NotEncodable:
      Fail(
          "Kaptorix."
          "iniを作成できません\r\nフォルダ名にこのパソコンの文字コードで保存できない文字がありま"
          "す");
      return false;
    case WriteOutcome::Failed:
      break;
  }
  Fail("Kaptorix.iniを作成できません");
  return false;
}

std::optional<CaptureSettings> Launcher::LoadSettings() {
  CaptureSettings settings = DefaultCaptureSettings(programDir_);
  readText_.reset();
  if (!file_.Exists()) return settings;
  readText_ = file_.Read();
  if (!readText_) {
    Fail("Kaptorix.iniを読み込めません");
    return std::nullopt;
  }
  ReadSettings(*readText_, settings);
  return settings;
}

SaveOutcome Launcher::SaveSettings(const CaptureSettings& settings, bool overwrite) {
  const std::unique_ptr<WriterTurn> turn = TakeTurn();
  if (!turn) return SaveOutcome::Failed;
  if (!overwrite && CurrentText() != readText_) return SaveOutcome::ChangedMeanwhile;
  if (!WriteFile(settings)) return SaveOutcome::Failed;
  readText_ = CurrentText();
  return SaveOutcome::Saved;
}

std::unique_ptr<WriterTurn> Launcher::TakeTurn() {
  std::unique_ptr<WriterTurn> turn = file_.TakeTurn();
  if (!turn) {
    Fail("Kaptorix.iniをほかの Kaptorix.exe が書き込み中です\r\nしばらくしてからやり直して下さい");
  }
  return turn;
}

bool Launcher::WriteFile(const CaptureSettings& settings) {
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

std::optional<std::string> Launcher::CurrentText() {
  return file_.Exists() ? file_.Read() : std::nullopt;
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

int Launcher::Start(const LauncherCommand& command) {
  if (!EnsureSettingsFile()) return kExitFailed;
  const bool running = key_.ResidentCount() > 0;
  if (!StartResident(command.showKeyWindow)) return kExitFailed;
  output_.Note(Stream::Output, running ? kRestartedNote : kStartedNote);
  return kExitOk;
}

int Launcher::Stop() {
  if (key_.ResidentCount() == 0) {
    output_.Note(Stream::Output, kNotRunningNote);
    return kExitOk;
  }
  if (!StopResidents()) return kExitFailed;
  output_.Note(Stream::Output, kStoppedNote);
  return kExitOk;
}

int Launcher::Get(const LauncherCommand& command) {
  const std::optional<CaptureSettings> settings = LoadSettings();
  if (!settings) return kExitFailed;
  const auto value = [&](SettingField field) {
    return command.raw ? FieldText(*settings, field) : ShownText(*settings, field);
  };
  if (command.fields.size() == 1) {
    output_.Print(value(command.fields.front()) + "\r\n");
    return kExitOk;
  }
  std::string text;
  const auto list = [&](SettingField field) {
    text.append(CommandName(field)).append("=").append(value(field)).append("\r\n");
  };
  if (command.fields.empty()) {
    for (const SettingField field : kAllSettingFields) list(field);
  } else {
    for (const SettingField field : command.fields) list(field);
  }
  output_.Print(text);
  return kExitOk;
}

// The file is read, changed and replaced in one turn, so that writers at the
// same time lose nothing; a refused value leaves it, or its absence, as it was.
int Launcher::Set(const LauncherCommand& command) {
  {
    const std::unique_ptr<WriterTurn> turn = TakeTurn();
    if (!turn) return kExitFailed;
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
    if (!WriteFile(*settings)) return kExitFailed;
  }
  const bool running = key_.ResidentCount() > 0;
  if (!command.restart) {
    if (running) output_.Note(Stream::Output, kAppliesAfterStartNote);
    return kExitOk;
  }
  if (!running) {
    output_.Note(Stream::Output, kAppliesAtNextStartNote);
    return kExitOk;
  }
  if (!StartResident(false)) return kExitFailed;
  output_.Note(Stream::Output, kRestartedNote);
  return kExitOk;
}

// The run is waited for up to its delay and kAnswerWaitSeconds more; what it
// wrote is passed on, and an exit code it explained on no line is explained here.
int Launcher::RunOnce(const LauncherCommand& command) {
  if (!EnsureSettingsFile() || !CheckInstalled()) return kExitFailed;
  const std::uint32_t seconds = CaptureDelaySeconds(command) + kAnswerWaitSeconds;
  const std::optional<KeyRun> run = key_.RunToEnd(KeyArguments(command), seconds * 1000);
  if (!run) {
    Fail("Kaptorix_Key.exeを起動できません");
    return kExitFailed;
  }
  for (const std::string& line : Lines(run->output)) output_.Note(Stream::Output, line);
  for (const std::string& line : Lines(run->errors)) output_.Note(Stream::Error, line);
  if (!run->exitCode) {
    output_.Note(Stream::Error, std::string(kErrorTitle) + ": " +
                                    "Kaptorix_Key.exeが画面のメッセージへの応答を待っています（" +
                                    std::to_string(seconds) +
                                    "秒待ちました）。応答すると取り込みを終えます");
    return kExitStillWaiting;
  }
  if (!IsKeyRunExitCode(*run->exitCode)) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(*run->exitCode));
    output_.Note(Stream::Error, std::string(kErrorTitle) +
                                    ": Kaptorix_Key.exeが想定外の終了コード " + hex +
                                    " で終わりました（異常終了）");
    return kExitOtherError;
  }
  const int code = static_cast<int>(*run->exitCode);
  if (code != kExitOk && Lines(run->errors).empty()) {
    output_.Note(Stream::Error,
                 std::string(kErrorTitle) + ": " + std::string(ExitCodeMeaning(code)));
  }
  return code;
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
