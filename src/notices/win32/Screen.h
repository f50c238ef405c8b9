#pragma once
// The primary screen as the notices see it.

#include "notices/NoticeLayout.h"

namespace kx::win {

ScreenResolution CurrentScreenResolution();
PixelSize PrimaryScreenSize();

}  // namespace kx::win
