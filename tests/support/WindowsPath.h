#pragma once

#include <string>

namespace kx::test {

// The path that Wine gives a Linux path ("/a/b" becomes "Z:\a\b").
std::string WindowsPathOf(std::string linuxPath);

// WindowsPathOf the environment variable's value; empty when it is not set.
std::string WindowsPathFromEnvironment(const char* name);

}  // namespace kx::test
