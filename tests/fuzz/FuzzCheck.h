#pragma once
// The targets' assertion: a failed check names its place and aborts, which
// libFuzzer reports as a crash and keeps the input of.

#include <cstdio>
#include <cstdlib>

namespace kx::fuzz {

inline void Check(bool condition, const char* file = __builtin_FILE(),
                  int line = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "fuzz check failed at %s:%d\n", file, line);
  std::abort();
}

}  // namespace kx::fuzz
