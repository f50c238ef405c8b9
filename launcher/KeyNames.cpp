#include "launcher/KeyNames.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "base/Blanks.h"
#include "base/HotKeyNames.h"
#include "launcher/TypedNames.h"

namespace kx {

std::vector<Choice> HotKeyNames() {
  std::vector<Choice> names;
  for (const NamedKey& key : NamedHotKeys()) names.push_back({key.name, std::to_string(key.code)});
  return names;
}

bool IsTypingKey(std::int32_t code) {
  constexpr std::int32_t kTyping[] = {8,  9,  13, 20,  21,  25,  27,  28,  29,  32, 37,
                                      38, 39, 40, 226, 229, 240, 241, 242, 243, 244};
  return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') ||
         (code >= 96 && code <= 111) ||   // numeric keypad
         (code >= 186 && code <= 192) ||  // punctuation
         (code >= 219 && code <= 223) ||
         std::find(std::begin(kTyping), std::end(kTyping), code) != std::end(kTyping);
}

bool IsModifierOrMouseButton(std::int32_t code) {
  constexpr std::int32_t kOthers[] = {1, 2, 4, 5, 6, 16, 17, 18, 91, 92};
  return (code >= 160 && code <= 165) ||
         std::find(std::begin(kOthers), std::end(kOthers), code) != std::end(kOthers);
}

std::optional<std::int32_t> TypingKeyCode(std::string_view name) {
  name = TrimBlanks(name);
  if (name.size() == 1 && LowerAscii(name[0]) >= 'a' && LowerAscii(name[0]) <= 'z') {
    return LowerAscii(name[0]) - 'a' + 'A';
  }
  constexpr std::pair<std::string_view, std::int32_t> kNamed[] = {
      {"Space", 32}, {"Enter", 13}, {"Tab", 9}, {"Backspace", 8}, {"Esc", 27}};
  for (const auto& [keyName, code] : kNamed) {
    if (SameName(name, keyName)) return code;
  }
  return std::nullopt;
}

}  // namespace kx
