#pragma once

#include <string>

namespace kx::win {

// The face the settings dialog is drawn in: the best installed one.
std::string DialogFace();

}  // namespace kx::win
