#pragma once

#include <stdexcept>

namespace kx {

// A value that does not fit the integer it is to be stored in.
class OverflowError : public std::overflow_error {
 public:
  using std::overflow_error::overflow_error;
};

}  // namespace kx
