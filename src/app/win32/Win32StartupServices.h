#pragma once

#include "app/Startup.h"

namespace kx::win {

// Start-up's view of the system: files on disk, "Kaptorix.ini" in the ANSI
// code page, and error boxes that end the process.
class Win32StartupServices final : public StartupServices {
 public:
  bool FileExists(const std::string& path) override;
  std::optional<std::string> ReadTextFile(const std::string& path) override;
  void ShowAndExit(const MessageText& message) override;
};

}  // namespace kx::win
