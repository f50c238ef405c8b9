#pragma once
// The command line of Kaptorix.exe, and the command line it gives
// Kaptorix_Key.exe.

#include <cstdint>
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
  std::optional<std::string> area;  // "x,y,w,h" or "select", judged by Kaptorix_Key.exe

  bool operator==(const CaptureOptions&) const = default;
};

struct LauncherCommand {
  LauncherAction action = LauncherAction::Dialog;
  bool showKeyWindow = false;  // "/TEST": Kaptorix_Key.exe shows its main window
  bool raw = false;            // get "--raw": values as the file holds them
  bool restart = false;        // set "--restart": a resident copy restarts with them
  CaptureOptions capture;
  std::vector<SettingField> fields;  // get: the fields asked for; none means all
  std::vector<std::pair<SettingField, std::string>> assignments;  // set

  bool operator==(const LauncherCommand&) const = default;
};

// The command, or the reason why the arguments make none (in Japanese).
[[nodiscard]] std::variant<LauncherCommand, std::string> ParseLauncherArguments(
    std::span<const std::string> arguments);

// The argument text that Kaptorix_Key.exe is started with for a start,
// capture or store command.
std::string KeyArguments(const LauncherCommand& command);

// The seconds a capture waits before it is taken: "/TIME=", and at least
// one with "/ACTIVE=1".
std::uint32_t CaptureDelaySeconds(const LauncherCommand& command);

// How long a capture or store is waited for beyond its delay: longer, it
// waits for an answer on screen, and a script is not kept waiting with it.
inline constexpr std::uint32_t kAnswerWaitSeconds = 30;

// What an exit code of either program means, in a few words; empty for a
// code neither program gives.
std::string_view ExitCodeMeaning(int code);

// The usage text of "help", ending with the exit codes.
std::string UsageText();

}  // namespace kx
