#pragma once

#include <string>

namespace kx {

// The title and text of a message box, in UTF-8.
struct MessageText {
  std::string title;
  std::string text;

  bool operator==(const MessageText&) const = default;
};

// Shows an error box (error icon, one OK button) and ends the process once the
// user has closed it.
class FatalErrorReporter {
 public:
  virtual ~FatalErrorReporter() = default;
  virtual void ShowAndExit(const MessageText& message) = 0;
};

}  // namespace kx
