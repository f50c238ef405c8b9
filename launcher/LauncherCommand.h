#pragma once
// The command line of Kaptorix.exe, and the command line it gives
// Kaptorix_Key.exe.

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "launcher/SettingFields.h"

namespace kx {

enum class LauncherAction { Dialog, Start, Stop, Capture, Store, Get, Set, Help };

// The options of a one-shot capture, as Kaptorix_Key.exe reads them.
struct CaptureOptions {
  std::string kind;  // "1" print, "2" save
  std::optional<std::string> time;
  std::optional<std::string> active;
  std::optional<std::string> printer;

  bool operator==(const CaptureOptions&) const = default;
};

struct LauncherCommand {
  LauncherAction action = LauncherAction::Dialog;
  bool showKeyWindow = false;  // "/TEST": Kaptorix_Key.exe shows its main window
  CaptureOptions capture;
  std::vector<SettingField> fields;  // get: the fields asked for; none means all
  std::vector<std::pair<SettingField, std::string>> assignments;  // set

  bool operator==(const LauncherCommand&) const = default;
};

// The command, or the reason why the arguments make none (in Japanese).
std::variant<LauncherCommand, std::string> ParseLauncherArguments(
    std::span<const std::string> arguments);

// The argument text that Kaptorix_Key.exe is started with for a start,
// capture or store command.
std::string KeyArguments(const LauncherCommand& command);

// The usage text of "help".
std::string_view UsageText();

}  // namespace kx
