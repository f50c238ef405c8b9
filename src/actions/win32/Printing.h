#pragma once
// Printing a capture on an installed printer.

#include <string>

#include "actions/PrintOut.h"
#include "actions/PrintParameters.h"
#include "capture/Image.h"

namespace kx::win {

// Prints the picture (its pixels and its size in HIMETRIC) on one page of the
// printer named `printer` (empty: the default printer), as kx::PrintSurface
// describes. A failing step is appended to the error log and shown in the
// print-error notice.
PrintReport PrintSurface(const Rgb32Image& pixels, double widthHimetric, double heightHimetric,
                         const PrintParameters& parameters, const std::string& printer);

}  // namespace kx::win
