#pragma once
// The system's hot key service.

#include <cstdint>

#include "hotkey/WindowServices.h"

namespace kx {

class HotKeyService {
 public:
  virtual ~HotKeyService() = default;
  // False when the system refuses, for example when the combination is taken.
  virtual bool Register(WindowHandle window, std::int32_t id, std::int32_t modifiers,
                        std::int32_t virtualKey) = 0;
  virtual void Unregister(WindowHandle window, std::int32_t id) = 0;
};

}  // namespace kx
