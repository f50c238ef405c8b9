#pragma once
// The system as the launcher sees it: its settings file, the capture program
// beside it, and where its results and failures go.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/MessageText.h"
#include "settings/CaptureSettings.h"

namespace kx {

enum class WriteOutcome { Written, NotEncodable, Failed };

// One writer's turn at the settings file: while it is held, no other writer
// in this or another process reads, merges or replaces the file.
class WriterTurn {
 public:
  virtual ~WriterTurn() = default;
};

// "Kaptorix.ini" beside the launcher.
class SettingsFile {
 public:
  virtual ~SettingsFile() = default;
  // Waits for the writers before; nothing when the turn did not come in time.
  [[nodiscard]] virtual std::unique_ptr<WriterTurn> TakeTurn() = 0;
  [[nodiscard]] virtual bool Exists() = 0;
  // The file's text (UTF-8), or nothing when it cannot be read.
  [[nodiscard]] virtual std::optional<std::string> Read() = 0;
  // Puts the settings into the file, keeping its other lines; the file is
  // replaced as a whole or not at all.
  [[nodiscard]] virtual WriteOutcome Write(const CaptureSettings& settings) = 0;
};

// What a one-shot run of Kaptorix_Key.exe left behind.
struct KeyRun {
  std::optional<std::uint32_t> exitCode;  // nothing: still running when the wait ended
  std::string output;                     // its standard output, UTF-8
  std::string errors;                     // its standard error, UTF-8
};

// Kaptorix_Key.exe beside the launcher, and its resident copies.
class KeyProgram {
 public:
  virtual ~KeyProgram() = default;
  [[nodiscard]] virtual bool Installed() = 0;
  // Starts it and returns once it waits for input; false when it could not start.
  [[nodiscard]] virtual bool Launch(std::string_view arguments) = 0;
  // Starts it and waits up to `timeoutMs` for its end, taking what it writes
  // to its standard output and error; nothing when it could not start.
  [[nodiscard]] virtual std::optional<KeyRun> RunToEnd(std::string_view arguments,
                                                       std::uint32_t timeoutMs) = 0;
  [[nodiscard]] virtual std::size_t ResidentCount() = 0;
  // Sends every resident copy's main window a close request and waits up to
  // `timeoutMs` for them to end; returns how many are still running.
  [[nodiscard]] virtual std::size_t CloseResidents(std::uint32_t timeoutMs) = 0;
};

enum class Stream { Output, Error };

class LauncherOutput {
 public:
  virtual ~LauncherOutput() = default;
  // A result for the user or a script.
  virtual void Print(std::string_view text) = 0;
  // A failure, shown in the program's style.
  virtual void ReportError(const MessageText& message) = 0;
  // One line for a console or a script: what a command did, or what
  // Kaptorix_Key.exe reported and has shown on screen itself. Where there is
  // neither, it is dropped rather than shown in a box.
  virtual void Note(Stream stream, std::string_view line) = 0;
};

}  // namespace kx
