#include "actions/PageLengths.h"

#include <cmath>
#include <limits>

#include "actions/PrintError.h"
#include "base/Twips.h"
#include "capture/Himetric.h"

namespace kx {
namespace {

constexpr double kMillimetresPerInch = 25.4;

// The value in units of which `fromPerInch` make an inch, in units of which
// `toPerInch` do.
float Convert(double value, double fromPerInch, double toPerInch) {
  return ToSingle(static_cast<double>(ToSingle(value)) * toPerInch / fromPerInch);
}

}  // namespace

float ToSingle(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
    throw PrintError::Overflow();
  }
  return static_cast<float>(value);
}

float MillimetresToTwips(double millimetres) {
  return Convert(millimetres, kMillimetresPerInch, kTwipsPerInch);
}

float HimetricToTwips(double himetric) {
  return Convert(himetric, kHimetricPerInch, kTwipsPerInch);
}

float TwipsToHimetric(double twips) { return Convert(twips, kTwipsPerInch, kHimetricPerInch); }

}  // namespace kx
