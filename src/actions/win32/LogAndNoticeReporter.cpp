#include "actions/win32/LogAndNoticeReporter.h"

#include "actions/win32/ErrorLog.h"
#include "notices/win32/Notices.h"

namespace kx::win {

void LogAndNoticeReporter::ReportPrintError(const std::string& record) {
  AppendErrorLog(record);
  ShowPrintErrorNotice();
}

}  // namespace kx::win
