#pragma once
// A printer's device mode (orientation, print quality, ...) as its driver
// keeps it.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kx::win {

class PrinterDevMode {
 public:
  // The driver's defaults for the printer; throws PrintError.
  explicit PrinterDevMode(const std::string& printer);

  [[nodiscard]] const DEVMODEW& get() const { return buffer_.front(); }

  // Asks the driver to take the change; true when the merged device mode
  // keeps it, which then replaces this one. Otherwise nothing changes.
  bool Change(const std::function<void(DEVMODEW&)>& change,
              const std::function<bool(const DEVMODEW&)>& kept);

 private:
  // The device mode and the driver's private bytes after it.
  using Buffer = std::vector<DEVMODEW>;

  [[nodiscard]] std::optional<Buffer> Ask(Buffer* input) const;

  std::wstring printer_;
  Buffer buffer_;
};

}  // namespace kx::win
