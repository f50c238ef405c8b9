#include "e2e/harness/KeyInput.h"

#include <utility>
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

// A move to the middle of a virtual-screen pixel, with the button `flags`.
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
}

}  // namespace

void DragMouse(POINT from, POINT to) {
  const POINT middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
  const std::pair<POINT, DWORD> steps[] = {
      {from, 0}, {from, MOUSEEVENTF_LEFTDOWN}, {middle, 0}, {to, 0}, {to, MOUSEEVENTF_LEFTUP}};
  for (const auto& [at, flags] : steps) {
    SendMouse(at, flags);
    ::Sleep(50);
  }
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

void ClickAt(int x, int y, int clicks, bool rightButton) {
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
  move.mi.dy = y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  std::vector<INPUT> inputs{move};
  for (int n = 0; n < clicks; ++n) {
    INPUT button{};
    button.type = INPUT_MOUSE;
    button.mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    inputs.push_back(button);
    button.mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    inputs.push_back(button);
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace kx::e2e
