#include "actions/PrintDate.h"

#include <cstdio>

namespace kx {

std::string FormatPrintDate(const LocalTime& time) {
  char text[48];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", time.year, time.month, time.day,
                time.hour, time.minute);
  return text;
}

}  // namespace kx
