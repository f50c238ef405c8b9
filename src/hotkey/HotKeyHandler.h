#pragma once

#include <string_view>

namespace kx {

// Told of every press of a hot key that a HotKeyRegistry holds: the key's
// name, the modifier bits (1 Alt, 2 Control, 4 Shift, 8 Windows key) and the
// virtual-key code.
class HotKeyHandler {
 public:
  virtual ~HotKeyHandler() = default;
  virtual void OnHotKey(std::string_view name, int modifiers, int virtualKey) = 0;
};

}  // namespace kx
