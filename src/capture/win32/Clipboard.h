#pragma once
// A copy of a picture on the clipboard.

#include <windows.h>

#include "capture/win32/Picture.h"

namespace kx::win {

// How long a clipboard that another program holds open is waited for.
inline constexpr DWORD kClipboardWaitMs = 400;

// Puts the picture on the clipboard, for `owner`, as a device-independent
// bitmap (CF_DIB, the picture at its own depth as a BMP file holds it) and,
// when the imaging component can encode it, as a PNG file under the
// registered format kPngClipboardFormat; whatever the clipboard held is
// gone. A clipboard that another program holds is tried again for up to
// kClipboardWaitMs and then left as it is. True when the bitmap was put there.
bool CopyPictureToClipboard(HWND owner, const Picture& picture);

}  // namespace kx::win
