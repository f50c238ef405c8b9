#pragma once

#include <string>
#include <vector>

namespace kx::win {

// The names of the printers installed here and connected over the network.
std::vector<std::string> InstalledPrinters();

}  // namespace kx::win
