// Any argument list for Kaptorix.exe, run against an in-memory settings file
// and capture program. A refused command changes nothing; "set" writes
// exactly the values asked for, as Kaptorix_Key.exe then reads them; the
// command line a capture, store or start passes on makes Kaptorix_Key.exe
// take the course and options that were asked for.
//
// Input: the settings file's text (empty: no file), then each argument,
// every part ended by a NUL byte.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "FuzzCheck.h"
#include "app/OneShotRuns.h"
#include "app/Startup.h"
#include "base/Modifiers.h"
#include "launcher/FakeSettingsProbe.h"
#include "launcher/Launcher.h"
#include "launcher/SettingRules.h"
#include "settings/SettingsReader.h"
#include "settings/SettingsWriter.h"

namespace {

const std::string kProgramDir = "C:\\Tools\\Kaptorix";

using kx::fuzz::Check;

class MemoryFile final : public kx::SettingsFile {
 public:
  std::optional<std::string> text;
  std::unique_ptr<kx::WriterTurn> TakeTurn() override { return std::make_unique<kx::WriterTurn>(); }
  bool Exists() override { return text.has_value(); }
  std::optional<std::string> Read() override { return text; }
  kx::WriteOutcome Write(const kx::CaptureSettings& settings) override {
    text = kx::WriteSettings(text.value_or(""), settings);
    return kx::WriteOutcome::Written;
  }
};

class RecordingKeyProgram final : public kx::KeyProgram {
 public:
  std::vector<std::string> lines;  // every command line it was started with
  bool Installed() override { return true; }
  bool Launch(std::string_view arguments) override {
    lines.emplace_back(arguments);
    return true;
  }
  std::optional<kx::KeyRun> RunToEnd(std::string_view arguments, std::uint32_t) override {
    lines.emplace_back(arguments);
    return kx::KeyRun{0, "", ""};
  }
  std::size_t ResidentCount() override { return 0; }
  std::size_t CloseResidents(std::uint32_t) override { return 0; }
};

class RecordingOutput final : public kx::LauncherOutput {
 public:
  std::string printed;
  std::size_t errors = 0;
  void Print(std::string_view text) override { printed += text; }
  void ReportError(const kx::MessageText&) override { ++errors; }
  void Note(kx::Stream, std::string_view) override {}
};

// Kaptorix_Key.exe's view of the same folder.
class KeyStartup final : public kx::StartupServices {
 public:
  explicit KeyStartup(const MemoryFile& file) : file_(file) {}
  bool FileExists(const std::string&) override { return file_.text.has_value(); }
  std::optional<std::string> ReadTextFile(const std::string&) override { return file_.text; }
  void ShowError(const kx::MessageText&) override { std::abort(); }

 private:
  const MemoryFile& file_;
};

kx::CaptureSettings ReadAsKeyProgram(const std::optional<std::string>& text) {
  kx::CaptureSettings settings = kx::DefaultCaptureSettings(kProgramDir);
  kx::ReadSettings(text.value_or(""), settings);
  return settings;
}

// A value the launcher accepted as a whole number: digits with blanks around.
int WholeNumber(std::string_view text) {
  int value = 0;
  for (const char c : text) {
    if (c >= '0' && c <= '9') value = value * 10 + (c - '0');
  }
  return value;
}

// Names of values match without regard to ASCII case and blanks.
std::string NameForm(std::string_view text) {
  std::string form;
  for (const char c : text) {
    if (c == ' ' || c == '\t') continue;
    form.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  }
  return form;
}

// An accepted value as the settings keep it: the value of a name, a whole
// number in decimal, a folder without trailing separators, any other text as
// it was given.
std::string AsStored(kx::SettingField field, std::string text) {
  if (kx::HoldsNumber(field)) {
    for (const kx::Choice& choice : kx::NamedValues(field)) {
      if (NameForm(text) == NameForm(choice.label)) return choice.value;
    }
    text.erase(0, text.find_first_not_of(" \t"));
    return std::to_string(std::stol(text));
  }
  if (field == kx::SettingField::SaveDir) {
    while (text.size() > 3 && (text.back() == '\\' || text.back() == '/')) text.pop_back();
  }
  return text;
}

// What Kaptorix_Key.exe makes of the command line of an accepted command.
void CheckKeyProgramReads(const kx::LauncherCommand& command, const std::string& line,
                          const MemoryFile& file) {
  KeyStartup startup(file);
  const std::optional<kx::StartupPlan> plan = kx::PlanStartup(line, kProgramDir, startup);
  Check(plan.has_value());
  Check(plan->showMainWindow == command.showKeyWindow);
  switch (command.action) {
    case kx::LauncherAction::Start:
      Check(plan->course == kx::Course::Resident);
      return;
    case kx::LauncherAction::Store:
      Check(plan->course == kx::Course::StoreRun);
      return;
    case kx::LauncherAction::Capture:
      break;
    default:
      std::abort();
  }
  Check(plan->course == kx::Course::OptionRun);
  const kx::CaptureOptions& options = command.capture;
  kx::CaptureSettings settings = plan->settings;
  const kx::OneShotRequest request = kx::PrepareOptionRun(plan->kindValue, line, settings);
  const bool save = WholeNumber(options.kind) == 2;
  const bool foreground = options.active && WholeNumber(*options.active) == 1;
  int wait = options.time ? WholeNumber(*options.time) : 0;
  if (foreground && wait == 0) wait = 1;
  Check(request.modifiers == (save ? kx::kModShift : 0) + (foreground ? kx::kModAlt : 0));
  Check(request.waitSeconds == wait);
  Check(settings.printer == options.printer.value_or(""));
}

void CheckSet(const kx::LauncherCommand& command, int exitCode,
              const std::optional<std::string>& before, const MemoryFile& file,
              kx::SettingsProbe& probe) {
  if (exitCode != kx::kExitOk) return;
  kx::CaptureSettings expected = ReadAsKeyProgram(before);
  for (const auto& [field, text] : command.assignments) {
    Check(!kx::SetFieldText(expected, field, text));
  }
  const kx::CaptureSettings written = ReadAsKeyProgram(file.text);
  Check(written == expected);
  std::map<kx::SettingField, std::string> last;  // a later value of a field wins
  for (const auto& [field, text] : command.assignments) {
    Check(!kx::CheckSetting(written, field, probe));
    last[field] = text;
  }
  for (const auto& [field, text] : last)
    Check(kx::FieldText(written, field) == AsStored(field, text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> parts;
  for (std::size_t end; (end = input.find('\0')) != std::string_view::npos;) {
    parts.emplace_back(input.substr(0, end));
    input.remove_prefix(end + 1);
  }
  if (parts.empty()) return 0;
  MemoryFile file;
  if (!parts.front().empty()) file.text = parts.front();
  const std::vector<std::string> arguments(parts.begin() + 1, parts.end());

  const auto parsed = kx::ParseLauncherArguments(arguments);
  if (const auto* refusal = std::get_if<std::string>(&parsed)) {
    Check(!refusal->empty());
    return 0;
  }
  const kx::LauncherCommand& command = std::get<kx::LauncherCommand>(parsed);

  RecordingKeyProgram key;
  kx::test::FakeSettingsProbe probe;
  RecordingOutput output;
  kx::Launcher launcher(kProgramDir, file, key, probe, output);
  const std::optional<std::string> before = file.text;
  const int exitCode = launcher.Run(command);

  Check(exitCode == kx::kExitOk || exitCode == kx::kExitRefused);
  Check((exitCode == kx::kExitOk) == (output.errors == 0));
  if (exitCode == kx::kExitRefused) {
    Check(command.action == kx::LauncherAction::Set);
    Check(file.text == before ||
          (!before && file.text == kx::WriteSettings("", kx::DefaultCaptureSettings(kProgramDir))));
    return 0;
  }
  switch (command.action) {
    case kx::LauncherAction::Set:
      CheckSet(command, exitCode, before, file, probe);
      break;
    case kx::LauncherAction::Get:
      if (command.fields.size() == 1) {
        const kx::SettingField field = command.fields.front();
        const kx::CaptureSettings held = ReadAsKeyProgram(before);
        const std::string value =
            command.raw ? kx::FieldText(held, field) : kx::ShownText(held, field);
        Check(output.printed == value + "\r\n");
      }
      [[fallthrough]];
    case kx::LauncherAction::Dialog:
    case kx::LauncherAction::Help:
    case kx::LauncherAction::Stop:
      Check(file.text == before);
      Check(key.lines.empty());
      break;
    case kx::LauncherAction::Start:
    case kx::LauncherAction::Store:
    case kx::LauncherAction::Capture:
      Check(key.lines.size() == 1);
      Check(before ? file.text == before : file.text.has_value());
      CheckKeyProgramReads(command, key.lines.front(), file);
      break;
  }
  return 0;
}
