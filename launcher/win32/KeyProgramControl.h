#pragma once

#include <windows.h>

#include <string>

#include "launcher/LauncherServices.h"

namespace kx::win {

// Kaptorix_Key.exe in the launcher's folder, and the main windows of its
// resident copies (ResidentWindows in base/win32/TopLevelWindows.h).
class KeyProgramControl final : public KeyProgram {
 public:
  explicit KeyProgramControl(const std::string& programDir);

  [[nodiscard]] bool Installed() override;
  [[nodiscard]] bool Launch(std::string_view arguments) override;
  [[nodiscard]] std::optional<KeyRun> RunToEnd(std::string_view arguments,
                                               std::uint32_t timeoutMs) override;
  [[nodiscard]] std::size_t ResidentCount() override;
  [[nodiscard]] std::size_t CloseResidents(std::uint32_t timeoutMs) override;

 private:
  std::wstring exe_;
  std::wstring folder_;
};

}  // namespace kx::win
