#include "base/LenientNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "base/Blanks.h"

namespace kx {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of `text` that forms a number.
size_t NumberPrefixLength(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i < text.size() && IsDigit(text[i])) {
      while (i < text.size() && IsDigit(text[i])) ++i;
      end = i;
    }
  }
  return end;
}

// Whether an unsigned number NumberPrefixLength accepted is below 1 in magnitude: the power of
// ten of its first significant digit plus its exponent is negative.
bool BelowOne(std::string_view number) {
  const size_t e = std::min(number.find_first_of("eE"), number.size());
  const std::string_view mantissa = number.substr(0, e);
  const size_t point = std::min(mantissa.find('.'), mantissa.size());
  const size_t first = mantissa.find_first_not_of("0.");
  if (first == std::string_view::npos) return true;
  long long order =
      static_cast<long long>(point) - static_cast<long long>(first) - (first < point ? 1 : 0);
  if (e < number.size()) {
    std::string_view exponent = number.substr(e + 1);
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
      exponent.remove_prefix(1);
    }
    long long value = 0;
    for (const char digit : exponent) {
      value = std::min(value * 10 + (digit - '0'), 1'000'000'000LL);  // far beyond any double
    }
    order += negative ? -value : value;
  }
  return order < 0;
}

// Converts a text that NumberPrefixLength accepted whole.
double ConvertNumber(std::string_view number) {
  bool negative = false;
  if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    value = BelowOne(number) ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

template <typename Int>
std::optional<Int> RoundToInt(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = RoundHalfToEven(value);
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

}  // namespace

double ReadLenientNumber(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (!IsBlank(c)) compact.push_back(c);
  }
  const size_t length = NumberPrefixLength(compact);
  return length == 0 ? 0.0 : ConvertNumber(std::string_view(compact).substr(0, length));
}

std::optional<double> ReadStrictNumber(std::string_view text) {
  text = TrimBlanks(text);
  const size_t length = NumberPrefixLength(text);
  if (length == 0 || length != text.size()) return std::nullopt;
  return ConvertNumber(text);
}

double RoundHalfToEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::optional<std::int16_t> RoundToInt16(double value) { return RoundToInt<std::int16_t>(value); }
std::optional<std::int32_t> RoundToInt32(double value) { return RoundToInt<std::int32_t>(value); }

}  // namespace kx
