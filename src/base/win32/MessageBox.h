#pragma once

#include <windows.h>

#include "base/MessageText.h"

namespace kx::win {

// A modal box with one OK button and the given icon (MB_ICONERROR, ...).
void ShowMessageBox(HWND owner, const MessageText& message, UINT icon);

}  // namespace kx::win
