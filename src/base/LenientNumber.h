#pragma once
// Reading numbers from settings values and command-line options.

#include <cstdint>
#include <optional>
#include <string_view>

namespace kx {

// The longest leading number (sign, digits, one decimal point, an exponent),
// with spaces and tabs anywhere ignored; text that starts with no number is 0.
double ReadLenientNumber(std::string_view text);

// The whole text must be one number; spaces and tabs may stand around it.
[[nodiscard]] std::optional<double> ReadStrictNumber(std::string_view text);

// Rounds to the nearest integer, halves to the even neighbour.
double RoundHalfToEven(double value);

// Rounded half to even; nothing when the result does not fit.
[[nodiscard]] std::optional<std::int16_t> RoundToInt16(double value);
[[nodiscard]] std::optional<std::int32_t> RoundToInt32(double value);

}  // namespace kx
