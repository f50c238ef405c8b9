#pragma once
// The date and time printed with the heading.

#include <string>

namespace kx {

struct LocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;  // 0 to 23
  int minute = 0;
};

// "YYYY/MM/DD HH:MM", e.g. "2024/01/31 09:05".
std::string FormatPrintDate(const LocalTime& time);

}  // namespace kx
