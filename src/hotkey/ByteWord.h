#pragma once
// Byte and word arithmetic on 32-bit signed values, with exact results.

#include <cstdint>

namespace kx {

// Bits 0 to 7.
std::uint8_t LowByte(std::int32_t value);
// Bits 8 to 15 of the value taken as a 16-bit word; OverflowError outside
// -65536 to 65535.
std::uint8_t HighByte(std::int32_t value);
// The word high:low as a signed 16-bit number.
std::int32_t MakeWord(std::uint8_t low, std::uint8_t high);
// `high` in the high word, bits 0 to 15 of `low` in the low word;
// OverflowError when `high` is outside -32768 to 32767.
std::int32_t MakeLong(std::int32_t low, std::int32_t high);
// Bits 16 to 31 as a signed 16-bit number.
std::int32_t HighWord(std::int32_t value);
// Bits 0 to 15 as a signed 16-bit number.
std::int32_t LowWord(std::int32_t value);

// The value as a signed 16-bit number; OverflowError when it does not fit.
std::int16_t ToInt16(std::int64_t value);

}  // namespace kx
