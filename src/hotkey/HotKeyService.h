#pragma once
// The system's hot key service.

#include <cstdint>

#include "hotkey/WindowServices.h"

namespace kx {

// Modifier bits as the hot key service takes and reports them.
inline constexpr std::int32_t kModAlt = 1;
inline constexpr std::int32_t kModShift = 4;

class HotKeyService {
 public:
  virtual ~HotKeyService() = default;
  // False when the system refuses, for example when the combination is taken.
  virtual bool Register(WindowHandle window, std::int32_t id, std::int32_t modifiers,
                        std::int32_t virtualKey) = 0;
  virtual void Unregister(WindowHandle window, std::int32_t id) = 0;
};

}  // namespace kx
