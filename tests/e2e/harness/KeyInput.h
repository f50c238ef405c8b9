#pragma once
// Real keyboard and mouse input, injected with SendInput.

#include <windows.h>

#include <initializer_list>

namespace kx::e2e {

// Presses `key` while holding the modifier keys (VK_SHIFT, VK_MENU, ...), then
// releases everything in reverse order. Print Screen goes as an extended key.
void PressKey(std::initializer_list<WORD> modifiers, WORD key);

// Moves the pointer to (x, y) on the primary screen and clicks `clicks`
// times with the left button, or the right one.
void ClickAt(int x, int y, int clicks = 1, bool rightButton = false);

// A left-button drag between virtual-screen pixels; a click on one.
void DragMouse(POINT from, POINT to);

}  // namespace kx::e2e
