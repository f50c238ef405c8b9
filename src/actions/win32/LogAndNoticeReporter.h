#pragma once

#include "actions/PrintErrorReporter.h"

namespace kx::win {

// Appends the record to the error log, then shows a new print-error notice.
class LogAndNoticeReporter final : public PrintErrorReporter {
 public:
  void ReportPrintError(const std::string& record) override;
};

}  // namespace kx::win
