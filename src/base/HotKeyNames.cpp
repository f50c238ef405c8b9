#include "base/HotKeyNames.h"

#include <algorithm>

#include "base/ProductNames.h"

namespace kx {

std::vector<NamedKey> NamedHotKeys() {
  std::vector<NamedKey> keys = {
      {"Print Screen", 44}, {"Pause", 19}, {"Scroll Lock", 145}, {"Insert", 45},    {"Delete", 46},
      {"Home", 36},         {"End", 35},   {"Page Up", 33},      {"Page Down", 34},
  };
  for (std::int32_t n = 1; n <= 24; ++n) {
    std::string name("F");
    keys.push_back({name.append(std::to_string(n)), 111 + n});
  }
  return keys;
}

std::string HotKeyName(std::int32_t code) {
  const std::vector<NamedKey> keys = NamedHotKeys();
  const auto named =
      std::find_if(keys.begin(), keys.end(), [&](const NamedKey& key) { return key.code == code; });
  if (named != keys.end()) return named->name;
  std::string name(kUnnamedKeyText);
  return name.append(std::to_string(code));
}

}  // namespace kx
