#include "app/PrintKeys.h"

#include <array>
#include <string_view>

namespace kx {
namespace {

constexpr std::int32_t kAtomStep = 11;

// The failure line of each combination, in the order of registration.
constexpr std::array<std::string_view, 4> kFailureLines = {
    "　登録エラー [Print]",
    "　登録エラー [Print+Shift]",
    "　登録エラー [Print+Alt]",
    "　登録エラー [Print+Shift+Alt]",
};

constexpr std::string_view kWarningTitle = "キー登録エラー";
constexpr std::string_view kWarningHead = "以下のキーを登録できませんでした";
constexpr std::string_view kWarningTail = "設定画面を開いて、キーを変更して下さい";
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
  return "Kaptorix_" + (digits.size() < 2 ? "0" + digits : digits);
}

bool PrintKeyRegistrar::AddPrintKey(clsHotKey& registry, std::int32_t lngKey, std::int16_t index) {
  const std::int32_t modifiers = ModifiersOf(index);
  atomCounter_ += kAtomStep;
  return registry.mAddHotKey(PrintKeyAtomName(atomCounter_), lngKey, modifiers);
}

std::optional<MessageText> PrintKeyRegistrar::RegisterPrintKeys(clsHotKey& registry,
                                                                std::int32_t lngKey) {
  std::string failures;
  for (std::int16_t index = 0; index < 4; ++index) {
    if (!AddPrintKey(registry, lngKey, index)) {
      failures.append(kFailureLines[static_cast<std::size_t>(index)]).append(kLineEnd);
    }
  }
  if (failures.empty()) return std::nullopt;
  std::string text(kWarningHead);
  text.append(kLineEnd).append(failures).append(kLineEnd).append(kWarningTail);
  return MessageText{std::string(kWarningTitle), text};
}

}  // namespace kx
