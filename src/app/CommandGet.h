#pragma once
// Options of the form "/NAME=value" on the command line.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/MessageText.h"

namespace kx {

inline constexpr std::int16_t kOptionRequired = -1;

// The value of the first occurrence of `key` (case-sensitive): the text after it
// up to the next "/" or the end of the line, unstripped; empty when `key` is
// absent. With `required` = kOptionRequired an absent key is reported through
// `fatal`, which ends the process.
std::string CommandGet(std::int16_t required, std::string_view commandLine, std::string_view key,
                       FatalErrorReporter& fatal);

// Optional mode: an absent key gives the empty text.
std::string CommandGet(std::string_view commandLine, std::string_view key);

// The box shown for an absent required option.
MessageText MissingOptionMessage(std::string_view commandLine, std::string_view key);

}  // namespace kx
