#pragma once
// A failure inside the print-out: a number and a description for the error log.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kx {

class PrintError : public std::runtime_error {
 public:
  PrintError(std::int32_t number, const std::string& description)
      : std::runtime_error(description), number_(number) {}

  [[nodiscard]] std::int32_t number() const noexcept { return number_; }
  [[nodiscard]] std::string description() const { return what(); }

  // A floating value that does not fit its type, or is not a number.
  static PrintError Overflow();
  static PrintError DivisionByZero();
  static PrintError OutOfMemory();
  // The margins leave no positive width or height for the picture.
  static PrintError NoPrintableArea();
  // The printer refused a setting, e.g. "Orientation=0".
  static PrintError RefusedSetting(const std::string& setting);
  // A printer call failed, e.g. "StartDoc".
  static PrintError PrinterCall(const std::string& call);

 private:
  std::int32_t number_;
};

}  // namespace kx
