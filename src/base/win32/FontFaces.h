#pragma once

#include <windows.h>

#include <string_view>

namespace kx::win {

// True when a font of that face is installed for the character set.
bool FontFaceInstalled(std::string_view face, BYTE charSet);

}  // namespace kx::win
