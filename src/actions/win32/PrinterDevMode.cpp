#include "actions/win32/PrinterDevMode.h"

#include "actions/PrintError.h"
#include "base/win32/Spooler.h"
#include "base/win32/Strconv.h"

namespace kx::win {

PrinterDevMode::PrinterDevMode(const std::string& printer) : printer_(Utf8ToWide(printer)) {
  std::optional<Buffer> defaults = Ask(nullptr);
  if (!defaults) throw PrintError::PrinterCall("DocumentProperties");
  buffer_ = std::move(*defaults);
}

bool PrinterDevMode::Change(const std::function<void(DEVMODEW&)>& change,
                            const std::function<bool(const DEVMODEW&)>& kept) {
  Buffer changed = buffer_;
  change(changed.front());
  std::optional<Buffer> merged = Ask(&changed);
  if (!merged || !kept(merged->front())) return false;
  buffer_ = std::move(*merged);
  return true;
}

std::optional<PrinterDevMode::Buffer> PrinterDevMode::Ask(Buffer* input) const {
  const Spooler spooler;
  std::wstring name = printer_;
  const PrinterHandle printer = spooler.OpenPrinter(name);
  if (!printer) return std::nullopt;
  const LONG size = spooler.DocumentProperties(printer.get(), name, nullptr, nullptr, 0);
  if (size <= 0) return std::nullopt;
  Buffer output(static_cast<size_t>(size) / sizeof(DEVMODEW) + 1);
  DEVMODEW* in = input ? input->data() : nullptr;
  const DWORD mode = input ? DM_IN_BUFFER | DM_OUT_BUFFER : DM_OUT_BUFFER;
  if (spooler.DocumentProperties(printer.get(), name, output.data(), in, mode) != IDOK) {
    return std::nullopt;
  }
  return output;
}

}  // namespace kx::win
