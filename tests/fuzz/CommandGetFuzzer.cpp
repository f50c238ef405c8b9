// Any command line and option key: the value is always a slash-free piece of
// the line that follows the key, and the course choice never crashes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/CommandGet.h"
#include "app/Startup.h"
#include "base/LenientNumber.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // The first line is the option key, the rest the command line.
  const std::size_t split = input.find('\n');
  const std::string_view key = split == std::string_view::npos ? "/KIND=" : input.substr(0, split);
  const std::string_view line = split == std::string_view::npos ? input : input.substr(split + 1);

  const std::string value = kx::CommandGet(line, key);
  if (value.find('/') != std::string::npos) std::abort();
  const std::size_t at = line.find(key);
  if (at == std::string_view::npos) {
    if (!value.empty()) std::abort();
  } else if (line.substr(at + key.size(), value.size()) != value) {
    std::abort();
  }

  (void)kx::RoundToInt16(kx::ReadLenientNumber(value));
  std::string kind;
  (void)kx::ChooseCourse(line, kind);
  return 0;
}
