#include "notices/win32/Notices.h"

namespace kx::win {

void SetTopmost(HWND window) {
  ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
}

}  // namespace kx::win
