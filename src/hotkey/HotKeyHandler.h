#pragma once

#include <cstdint>
#include <string>

namespace kx {

// Receives the HotKey event of clsHotKey: the pressed key's name, the modifier
// bits (1 Alt, 2 Control, 4 Shift, 8 Windows key) and the virtual-key code.
class HotKeyHandler {
 public:
  virtual ~HotKeyHandler() = default;
  virtual void HotKey(std::string& key, std::int32_t& Mask, std::int32_t& VertualKey) = 0;
};

}  // namespace kx
