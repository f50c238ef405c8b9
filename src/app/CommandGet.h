#pragma once
// Options of the form "/NAME=value" on the command line.

#include <string>
#include <string_view>

namespace kx {

// The value of the first occurrence of `key` (case-sensitive): the text after it
// up to the next "/" or the end of the line, unstripped; empty when `key` is
// absent.
std::string CommandGet(std::string_view commandLine, std::string_view key);

}  // namespace kx
