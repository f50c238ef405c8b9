#include "hotkey/KeyBusy.h"

namespace kx {

std::int16_t intKeyBusy = 0;

}  // namespace kx
