#pragma once

#include <string>

namespace kx {

// The title and text of a message box, in UTF-8.
struct MessageText {
  std::string title;
  std::string text;

  bool operator==(const MessageText&) const = default;
};

}  // namespace kx
