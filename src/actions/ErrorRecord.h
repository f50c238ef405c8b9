#pragma once
// The error log's record of one failed print-out.

#include <cstdint>
#include <string>

#include "actions/PrintError.h"
#include "actions/PrintParameters.h"

namespace kx {

// Fourteen lines joined with CR LF, none after the last.
std::string BuildErrorRecord(const PrintError& error, std::int16_t trapNo,
                             const PrintParameters& parameters);

}  // namespace kx
