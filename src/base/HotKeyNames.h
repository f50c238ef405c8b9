#pragma once
// The names of the keys a hot key is usually put on.

#include <cstdint>
#include <string>
#include <vector>

namespace kx {

struct NamedKey {
  std::string name;
  std::int32_t code = 0;
};

// "Print Screen", "Pause", "Scroll Lock", "Insert", "Delete", "Home", "End",
// "Page Up", "Page Down", then "F1" to "F24".
std::vector<NamedKey> NamedHotKeys();

// The key's name, or kUnnamedKeyText and its code for a key without one.
std::string HotKeyName(std::int32_t code);

}  // namespace kx
