#pragma once
// The notice windows: small topmost windows that report the outcome of an
// action. They belong to the calling thread; the modeless ones rely on its
// message loop.

#include <windows.h>

#include <string>

namespace kx::win {

// Puts a window into the topmost band without moving, resizing, activating
// or repainting it.
void SetTopmost(HWND window);

// The result notice: shows the text for half a second, centred and topmost;
// returns once the notice has closed itself. A call made while the notice is
// open replaces its text and waits for the same window.
void ShowResultNotice(const std::string& text);

// The save-aborted notice: a new one on every call, saying that the save
// folder does not exist; closes itself five seconds after it appeared.
void ShowSaveAbortedNotice();

// The print-error notice: a new one on every call, saying that printing
// failed and naming the error log; beeps once and stays until OK or its close
// box.
void ShowPrintErrorNotice();

// True while any notice window of the calling thread is open.
bool NoticesOpen();

}  // namespace kx::win
