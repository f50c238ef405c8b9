#include "app/PrintKeys.h"

#include <array>
#include <string_view>

#include "base/ProductNames.h"

namespace kx {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::int32_t ModifiersOf(std::int16_t index) {
  switch (index) {
    case 1:
      return kModShift;
    case 2:
      return kModAlt;
    case 3:
      return kModShift | kModAlt;
    default:
      return 0;
  }
}

}  // namespace

std::string PrintKeyAtomName(std::int32_t counter) {
  const std::string digits = std::to_string(counter);
  return std::string(kHotKeyAtomPrefix) + (digits.size() < 2 ? "0" + digits : digits);
}

bool PrintKeyRegistrar::AddPrintKey(clsHotKey& registry, std::int32_t lngKey, std::int16_t index) {
  const std::int32_t modifiers = ModifiersOf(index);
  atomCounter_ += kHotKeyAtomStep;
  return registry.mAddHotKey(PrintKeyAtomName(atomCounter_), lngKey, modifiers);
}

std::optional<MessageText> PrintKeyRegistrar::RegisterPrintKeys(clsHotKey& registry,
                                                                std::int32_t lngKey) {
  std::string failures;
  for (std::int16_t index = 0; index < 4; ++index) {
    if (!AddPrintKey(registry, lngKey, index)) {
      failures.append(kKeyFailureLines[static_cast<std::size_t>(index)]).append(kLineEnd);
    }
  }
  if (failures.empty()) return std::nullopt;
  std::string text(kKeyWarningHead);
  text.append(kLineEnd).append(failures).append(kLineEnd).append(kKeyWarningTail);
  return MessageText{std::string(kKeyWarningTitle), text};
}

}  // namespace kx
