#include "launcher/TypedNames.h"

#include <algorithm>
#include <string>

#include "base/Blanks.h"

namespace kx {
namespace {

std::string Folded(std::string_view text) {
  std::string folded;
  for (const char c : text) {
    if (!IsBlank(c)) folded.push_back(LowerAscii(c));
  }
  return folded;
}

}  // namespace

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool SameName(std::string_view typed, std::string_view name) {
  const std::string folded = Folded(typed);
  return !folded.empty() && folded == Folded(name);
}

}  // namespace kx
