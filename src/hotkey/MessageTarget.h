#pragma once

#include <cstdint>

#include "hotkey/WindowServices.h"

namespace kx {

// An object that receives a hooked window's messages. All five values are the
// hook's own: what a target writes into them is what later targets and the
// window's previous procedure receive. Setting `handled` keeps the message
// from the previous procedure; the result becomes the hook's pending result.
class MessageTarget {
 public:
  virtual ~MessageTarget() = default;
  virtual std::intptr_t HandleMessage(WindowHandle& window, std::uint32_t& message,
                                      std::uintptr_t& wParam, std::intptr_t& lParam,
                                      bool& handled) = 0;
};

}  // namespace kx
