#include "hotkey/ByteWord.h"

#include <limits>
#include <string>

#include "hotkey/OverflowError.h"

namespace kx {
namespace {

constexpr std::int32_t kWordSpan = 65536;

}  // namespace

std::uint8_t LOBYTE(std::int32_t lngDWORD) {
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(lngDWORD) & 0xFFU);
}

std::uint8_t HIBYTE(std::int32_t lngDWORD) {
  if (lngDWORD >= kWordSpan || lngDWORD < -kWordSpan) {
    throw OverflowError("HIBYTE: " + std::to_string(lngDWORD) + " is not a 16-bit word");
  }
  const std::int32_t word = lngDWORD < 0 ? lngDWORD + kWordSpan : lngDWORD;
  return static_cast<std::uint8_t>((word >> 8) & 0xFF);
}

std::int32_t MAKEWORD(std::uint8_t bytLow, std::uint8_t bytHi) {
  const std::int32_t word = bytHi * 256 + bytLow;
  return bytHi > 127 ? word - kWordSpan : word;
}

std::int32_t MAKELONG(std::int32_t lngLow, std::int32_t lngHi) {
  if (lngHi < std::numeric_limits<std::int16_t>::min() ||
      lngHi > std::numeric_limits<std::int16_t>::max()) {
    throw OverflowError("MAKELONG: high word " + std::to_string(lngHi) + " out of range");
  }
  const std::uint32_t high = static_cast<std::uint32_t>(lngHi) << 16;
  const std::uint32_t low = static_cast<std::uint32_t>(lngLow) & 0xFFFFU;
  return static_cast<std::int32_t>(high | low);
}

std::int32_t HIWORD(std::int32_t lngLONG) { return lngLONG >> 16; }

std::int32_t LOWORD(std::int32_t lngLONG) {
  return static_cast<std::int16_t>(static_cast<std::uint32_t>(lngLONG) & 0xFFFFU);
}

std::int16_t ToInt16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw OverflowError(std::to_string(value) + " does not fit a 16-bit integer");
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace kx
