#include "region/AreaOption.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

#include "base/Blanks.h"
#include "base/ProductNames.h"

namespace kx {
namespace {

constexpr std::string_view kSelect = kAreaSelect;

bool IsSelect(std::string_view text) {
  if (text.size() != kSelect.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c =
        text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != kSelect[i]) return false;
  }
  return true;
}

std::optional<std::int64_t> ReadInteger(std::string_view text) {
  text = TrimBlanks(text);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool FitsInt32(std::int64_t value) { return value <= std::numeric_limits<std::int32_t>::max(); }

}  // namespace

std::optional<AreaOption> ParseAreaOption(std::string_view text) {
  if (IsSelect(TrimBlanks(text))) return AreaOption{true, {}};
  std::array<std::int64_t, 4> values{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::size_t comma = text.find(',');
    if ((comma == std::string_view::npos) != (i + 1 == values.size())) return std::nullopt;
    const auto value = ReadInteger(text.substr(0, comma));
    if (!value) return std::nullopt;
    values[i] = *value;
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  }
  const auto [x, y, width, height] = values;
  if (width <= 0 || height <= 0 || !FitsInt32(x + width) || !FitsInt32(y + height)) {
    return std::nullopt;
  }
  return AreaOption{false,
                    {static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                     static_cast<std::int32_t>(x + width), static_cast<std::int32_t>(y + height)}};
}

}  // namespace kx
