#pragma once

#include <cstdint>

#include "hotkey/WindowServices.h"

namespace kx {

// An object that receives a hooked window's messages. All five values are the
// hook's own: what a target writes into them is what later targets and the
// window's previous procedure receive. Setting booReturn keeps the message from
// the previous procedure; the result becomes the hook's pending result.
class MessageTarget {
 public:
  virtual ~MessageTarget() = default;
  virtual std::intptr_t CallBackWindow(WindowHandle& hWnd, std::uint32_t& uMsg,
                                       std::uintptr_t& wParam, std::intptr_t& lParam,
                                       bool& booReturn) = 0;
};

}  // namespace kx
