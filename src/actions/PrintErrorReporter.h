#pragma once

#include <string>

namespace kx {

// Where a failed print-out goes: the record is appended to the error log and
// then the print-error notice is shown.
class PrintErrorReporter {
 public:
  virtual ~PrintErrorReporter() = default;
  virtual void ReportPrintError(const std::string& record) = 0;
};

}  // namespace kx
