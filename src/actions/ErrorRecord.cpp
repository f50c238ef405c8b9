#include "actions/ErrorRecord.h"

#include <string_view>
#include <type_traits>

#include "base/ProductNames.h"

namespace kx {
namespace {

void AddLine(std::string& record, std::string_view label, const std::string& value) {
  if (!record.empty()) record += "\r\n";
  record += label;
  record += value;
}

void AddLine(std::string& record, std::string_view label, std::int32_t value) {
  AddLine(record, label, std::to_string(value));
}

// A code as the settings file has it.
template <typename Code>
requires std::is_enum_v<Code>
void AddLine(std::string& record, std::string_view label, Code code) {
  AddLine(record, label, static_cast<std::int32_t>(code));
}

}  // namespace

std::string BuildErrorRecord(const PrintError& error, std::int16_t trapNo,
                             const PrintParameters& parameters) {
  std::string record;
  AddLine(record, kErrorRecordHead, "");
  AddLine(record, "Err.Number=", error.number());
  AddLine(record, "Err.Description=", error.description());
  AddLine(record, "TrapNo=", trapNo);
  AddLine(record, "Par=", parameters.percent);
  AddLine(record, "TXT=", parameters.headerText);
  AddLine(record, "ITI=", parameters.headerLayout);
  AddLine(record, "QUA=", parameters.quality);
  AddLine(record, "LEF=", parameters.marginLeft);
  AddLine(record, "RIT=", parameters.marginRight);
  AddLine(record, "TOP=", parameters.marginTop);
  AddLine(record, "BTN=", parameters.marginBottom);
  AddLine(record, "Tim=", parameters.printDate);
  AddLine(record, "MUK=", parameters.orientation);
  return record;
}

}  // namespace kx
