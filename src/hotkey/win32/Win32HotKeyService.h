#pragma once
// System-wide hot keys through RegisterHotKey and UnregisterHotKey.

#include "hotkey/HotKeyService.h"

namespace kx::win {

class Win32HotKeyService final : public HotKeyService {
 public:
  bool Register(WindowHandle window, std::int32_t id, std::int32_t modifiers,
                std::int32_t virtualKey) override;
  void Unregister(WindowHandle window, std::int32_t id) override;
};

}  // namespace kx::win
