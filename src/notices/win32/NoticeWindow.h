#pragma once
// One notice window built from its design.

#include <windows.h>

#include <string>

#include "notices/NoticeDesigns.h"

namespace kx::win {

// Creates a notice, still hidden: the label holds the text, the window is
// centred on the screen and topmost, its closing timer runs. Null when the
// window cannot be created.
HWND CreateNotice(const NoticeDesign& design, const std::string& labelText);

// The calling thread's open notice of a design, or null.
HWND FindNotice(const NoticeDesign& design);

// Replaces the label text of an open notice.
void SetNoticeText(HWND notice, const std::string& labelText);

// Whether a window is one of the notices.
bool IsNoticeWindow(HWND window);

}  // namespace kx::win
