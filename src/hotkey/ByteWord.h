#pragma once
// Byte and word arithmetic on 32-bit signed values, with exact results.
// <windows.h> defines macros of the same names: do not include both in one file.

#include <cstdint>

namespace kx {

// Bits 0 to 7.
std::uint8_t LOBYTE(std::int32_t lngDWORD);
// Bits 8 to 15 of the value taken as a 16-bit word; OverflowError outside
// -65536 to 65535.
std::uint8_t HIBYTE(std::int32_t lngDWORD);
// The word bytHi:bytLow as a signed 16-bit number.
std::int32_t MAKEWORD(std::uint8_t bytLow, std::uint8_t bytHi);
// lngHi in the high word, bits 0 to 15 of lngLow in the low word;
// OverflowError when lngHi is outside -32768 to 32767.
std::int32_t MAKELONG(std::int32_t lngLow, std::int32_t lngHi);
// Bits 16 to 31 as a signed 16-bit number.
std::int32_t HIWORD(std::int32_t lngLONG);
// Bits 0 to 15 as a signed 16-bit number.
std::int32_t LOWORD(std::int32_t lngLONG);

// The value as a signed 16-bit number; OverflowError when it does not fit.
std::int16_t ToInt16(std::int64_t value);

}  // namespace kx
