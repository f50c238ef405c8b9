#include "app/PrintKeys.h"

#include <array>
#include <string_view>

#include "base/Modifiers.h"
#include "base/ProductNames.h"

namespace kx {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::int32_t ModifiersOf(int index) {
  switch (index) {
    case 1:
      return kModShift;
    case 2:
      return kModAlt;
    case 3:
      return kModShift | kModAlt;
    case 4:
      return kModControl;
    case 5:
      return kModControl | kModShift;
    default:
      return 0;
  }
}

}  // namespace

std::string PrintKeyAtomName(std::int32_t counter) {
  const std::string digits = std::to_string(counter);
  return std::string(kHotKeyAtomPrefix) + (digits.size() < 2 ? "0" + digits : digits);
}

bool PrintKeyRegistrar::AddPrintKey(HotKeyRegistry& registry, std::int32_t virtualKey, int index) {
  const std::int32_t modifiers = ModifiersOf(index);
  atomCounter_ += kHotKeyAtomStep;
  const ExistingAtom existing =
      copies_.OtherCopyRunning() ? ExistingAtom::Refuse : ExistingAtom::TakeOver;
  ++keysTried_;
  const bool added = registry.Add(PrintKeyAtomName(atomCounter_), virtualKey, modifiers, existing);
  if (added) ++keysHeld_;
  return added;
}

std::optional<MessageText> PrintKeyRegistrar::RegisterPrintKeys(HotKeyRegistry& registry,
                                                                std::int32_t virtualKey,
                                                                bool regionKeys) {
  constexpr int kPrintKeyCount = 4;
  const int count = regionKeys ? static_cast<int>(kKeyFailureLines.size()) : kPrintKeyCount;
  std::string failures;
  for (int index = 0; index < count; ++index) {
    if (!AddPrintKey(registry, virtualKey, index)) {
      failures.append(kKeyFailureLines[static_cast<std::size_t>(index)]).append(kLineEnd);
    }
  }
  if (failures.empty()) return std::nullopt;
  std::string text(kKeyWarningHead);
  text.append(kLineEnd).append(failures).append(kLineEnd).append(kKeyWarningTail);
  return MessageText{std::string(kKeyWarningTitle), text};
}

MessageText WithTrayLine(MessageText warning) {
  warning.text.append(kLineEnd).append(kKeyWarningTrayLine);
  return warning;
}

}  // namespace kx
