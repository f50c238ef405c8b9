#include "actions/PrintError.h"

#include "base/ProductNames.h"

namespace kx {

PrintError PrintError::Overflow() { return {6, std::string(kOverflowText)}; }

PrintError PrintError::DivisionByZero() { return {11, std::string(kDivisionByZeroText)}; }

PrintError PrintError::OutOfMemory() { return {7, std::string(kOutOfMemoryText)}; }

PrintError PrintError::NoPrintableArea() { return {1001, std::string(kNoPrintableAreaText)}; }

PrintError PrintError::RefusedSetting(const std::string& setting) {
  return {380, std::string(kRefusedSettingText) + "(" + setting + ")"};
}

PrintError PrintError::PrinterCall(const std::string& call) {
  return {482, std::string(kPrinterCallText) + "(" + call + ")"};
}

}  // namespace kx
