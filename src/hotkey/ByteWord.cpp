#include "hotkey/ByteWord.h"

#include <limits>
#include <string>

#include "hotkey/OverflowError.h"

namespace kx {
namespace {

constexpr std::int32_t kWordSpan = 65536;

}  // namespace

std::uint8_t LowByte(std::int32_t value) {
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFU);
}

std::uint8_t HighByte(std::int32_t value) {
  if (value >= kWordSpan || value < -kWordSpan) {
    throw OverflowError("HighByte: " + std::to_string(value) + " is not a 16-bit word");
  }
  const std::int32_t word = value < 0 ? value + kWordSpan : value;
  return static_cast<std::uint8_t>((word >> 8) & 0xFF);
}

std::int32_t MakeWord(std::uint8_t low, std::uint8_t high) {
  const std::int32_t word = high * 256 + low;
  return high > 127 ? word - kWordSpan : word;
}

std::int32_t MakeLong(std::int32_t low, std::int32_t high) {
  if (high < std::numeric_limits<std::int16_t>::min() ||
      high > std::numeric_limits<std::int16_t>::max()) {
    throw OverflowError("MakeLong: high word " + std::to_string(high) + " out of range");
  }
  const std::uint32_t highWord = static_cast<std::uint32_t>(high) << 16;
  const std::uint32_t lowWord = static_cast<std::uint32_t>(low) & 0xFFFFU;
  return static_cast<std::int32_t>(highWord | lowWord);
}

std::int32_t HighWord(std::int32_t value) { return value >> 16; }

std::int32_t LowWord(std::int32_t value) {
  return static_cast<std::int16_t>(static_cast<std::uint32_t>(value) & 0xFFFFU);
}

std::int16_t ToInt16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw OverflowError(std::to_string(value) + " does not fit a 16-bit integer");
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace kx
