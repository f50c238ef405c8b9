#include "actions/SerialNumbers.h"

#include <limits>

namespace kx {

std::optional<std::int32_t> HighestSerial(std::int16_t digits) {
  std::int32_t highest = 0;
  for (std::int16_t i = 0; i < digits; ++i) {
    if (highest > (std::numeric_limits<std::int32_t>::max() - 9) / 10) return std::nullopt;
    highest = highest * 10 + 9;
  }
  return highest;
}

std::string NumberedFileName(const std::string& saveDir, const std::string& prefix,
                             std::int32_t serial, std::int16_t digits,
                             const std::string& extension) {
  std::string number = std::to_string(serial);
  if (digits > 0 && number.size() < static_cast<std::size_t>(digits)) {
    number.insert(0, static_cast<std::size_t>(digits) - number.size(), '0');
  }
  return saveDir + "\\" + prefix + number + extension;
}

}  // namespace kx
