#pragma once
// The process-wide busy flag: 1 while a hot key action runs. While it is set,
// the hook answers every message of the hooked window with 0.

#include <cstdint>

namespace kx {

extern std::int16_t intKeyBusy;

}  // namespace kx
