#include "base/win32/MessageBox.h"

#include "base/win32/Strconv.h"

namespace kx::win {

void ShowMessageBox(HWND owner, const MessageText& message, UINT icon) {
  ::MessageBoxW(owner, Utf8ToWide(message.text).c_str(), Utf8ToWide(message.title).c_str(),
                MB_OK | icon | MB_SETFOREGROUND);
}

}  // namespace kx::win
