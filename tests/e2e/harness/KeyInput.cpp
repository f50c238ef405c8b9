#include "e2e/harness/KeyInput.h"

#include <vector>

namespace kx::e2e {
namespace {

INPUT KeyEvent(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  if (key == VK_SNAPSHOT) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  return input;
}

// A mouse event at the middle of a virtual-screen pixel.
void SendMouse(POINT at, DWORD flags) {
  const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN),
            top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (2 * (at.x - left) + 1) * 65535 / (2 * width);
  input.mi.dy = (2 * (at.y - top) + 1) * 65535 / (2 * height);
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | MOUSEEVENTF_MOVE | flags;
  ::SendInput(1, &input, sizeof input);
  ::Sleep(50);
}

}  // namespace

void DragMouse(POINT from, POINT to) {
  SendMouse(from, 0);
  SendMouse(from, MOUSEEVENTF_LEFTDOWN);
  SendMouse({(from.x + to.x) / 2, (from.y + to.y) / 2}, 0);
  SendMouse(to, 0);
  SendMouse(to, MOUSEEVENTF_LEFTUP);
}

void PressKey(std::initializer_list<WORD> modifiers, WORD key) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(KeyEvent(modifier, false));
  inputs.push_back(KeyEvent(key, false));
  inputs.push_back(KeyEvent(key, true));
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
    inputs.push_back(KeyEvent(*it, true));
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace kx::e2e
