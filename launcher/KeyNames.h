#pragma once
// The keys a hot key can be: their names, and the keys it cannot be.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "launcher/SettingFields.h"

namespace kx {

// The hot keys by name ("Print Screen", "Pause", ..., "F1" to "F24"), their
// key codes as values.
std::vector<Choice> HotKeyNames();

// Keys that a global hot key would take away from typing, and keys that are
// no hot key of their own.
bool IsTypingKey(std::int32_t code);
bool IsModifierOrMouseButton(std::int32_t code);

// A letter, or the name of a key used for typing, as its key code.
[[nodiscard]] std::optional<std::int32_t> TypingKeyCode(std::string_view name);

}  // namespace kx
