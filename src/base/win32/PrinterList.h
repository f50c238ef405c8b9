#pragma once
// The printers the spooler knows.

#include <string>
#include <vector>

namespace kx::win {

// Names of the local and connected printers, in the spooler's order.
std::vector<std::string> InstalledPrinterNames();

// Name of the default printer; empty when there is none.
std::string DefaultPrinterName();

}  // namespace kx::win
