#pragma once

#include "app/Startup.h"

namespace kx::win {

// Start-up's view of the system: files on disk, "Kaptorix.ini" in the ANSI
// code page, and error boxes, also told on the standard error stream.
class Win32StartupServices final : public StartupServices {
 public:
  bool FileExists(const std::string& path) override;
  [[nodiscard]] std::optional<std::string> ReadTextFile(const std::string& path) override;
  void ShowError(const MessageText& message) override;
};

}  // namespace kx::win
