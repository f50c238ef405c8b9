#pragma once
// Names of numbered captures: prefix, zero-padded serial number, extension.

#include <cstdint>
#include <optional>
#include <string>

namespace kx {

// 10^digits - 1 (0 for no digits); nothing when it does not fit 32 bits.
[[nodiscard]] std::optional<std::int32_t> HighestSerial(std::int16_t digits);

// saveDir "\" prefix serial extension, the serial padded with zeros to `digits`.
std::string NumberedFileName(const std::string& saveDir, const std::string& prefix,
                             std::int32_t serial, std::int16_t digits,
                             const std::string& extension);

}  // namespace kx
