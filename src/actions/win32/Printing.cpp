#include "actions/win32/Printing.h"

#include <windows.h>

#include "actions/win32/GdiPrinter.h"
#include "actions/win32/LogAndNoticeReporter.h"

namespace kx::win {
namespace {

LocalTime Now() {
  SYSTEMTIME time{};
  ::GetLocalTime(&time);
  return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute};
}

}  // namespace

PrintReport PrintSurface(const Rgb32Image& pixels, double widthHimetric, double heightHimetric,
                         const PrintParameters& parameters, const std::string& printer) {
  GdiPrinter gdi;
  LogAndNoticeReporter reporter;
  return kx::PrintSurface(gdi, reporter, PrintPicture{pixels, widthHimetric, heightHimetric},
                          parameters, printer, Now());
}

}  // namespace kx::win
