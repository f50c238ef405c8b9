#include "actions/ScaleUnits.h"

#include <cmath>
#include <limits>

#include "actions/PrintError.h"

namespace kx {
namespace {

double UnitsPerInch(ScaleUnit unit) {
  switch (unit) {
    case ScaleUnit::Twips:
      return 1440.0;
    case ScaleUnit::Millimetres:
      return 25.4;
    case ScaleUnit::Himetric:
      return 2540.0;
  }
  throw PrintError::RefusedSetting("ScaleMode=" + std::to_string(static_cast<int>(unit)));
}

}  // namespace

float ToSingle(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
    throw PrintError::Overflow();
  }
  return static_cast<float>(value);
}

float ConvertLength(float value, ScaleUnit from, ScaleUnit to) {
  return ToSingle(static_cast<double>(value) * UnitsPerInch(to) / UnitsPerInch(from));
}

}  // namespace kx
