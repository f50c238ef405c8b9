#pragma once

#include <string>

#include "launcher/LauncherServices.h"
#include "launcher/SettingChecks.h"

namespace kx::win {

// "Kaptorix.ini" on disk, in the ANSI code page.
class Win32SettingsFile final : public SettingsFile {
 public:
  explicit Win32SettingsFile(std::string path) : path_(std::move(path)) {}

  [[nodiscard]] std::unique_ptr<WriterTurn> TakeTurn() override;
  [[nodiscard]] bool Exists() override;
  [[nodiscard]] std::optional<std::string> Read() override;
  [[nodiscard]] WriteOutcome Write(const CaptureSettings& settings) override;

 private:
  std::string path_;
};

// Folders as the capture program tests them, and the ANSI code page.
class Win32SettingsProbe final : public SettingsProbe {
 public:
  bool FolderExists(const std::string& path) override;
  bool FitsFileCodePage(std::string_view text) override;
};

}  // namespace kx::win
