#include "app/win32/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"

namespace kx::win {
namespace {

constexpr UINT kIconMessage = WM_APP + 1;
constexpr UINT kIconId = 1;
constexpr WORD kIconResource = 1;

NOTIFYICONDATAW IconData(HWND window) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = kIconId;
  return data;
}

bool AppendItems(HMENU menu, const std::vector<TrayMenuItem>& items) {
  for (const TrayMenuItem& item : items) {
    if (item.label.empty()) {
      if (!::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr)) return false;
      continue;
    }
    const std::wstring label = Utf8ToWide(item.label);
    const UINT state = item.enabled ? MF_ENABLED : MF_GRAYED;
    if (item.subItems.empty()) {
      if (!::AppendMenuW(menu, MF_STRING | state, static_cast<UINT_PTR>(item.command),
                         label.c_str())) {
        return false;
      }
      continue;
    }
    MenuHandle subMenu(::CreatePopupMenu());
    if (!subMenu || !AppendItems(subMenu.get(), item.subItems)) return false;
    if (!::AppendMenuW(menu, MF_POPUP | state, reinterpret_cast<UINT_PTR>(subMenu.get()),
                       label.c_str())) {
      return false;
    }
    static_cast<void>(subMenu.release());  // the menu owns it now
  }
  return true;
}

// The menu at the pointer; the item chosen, or None.
TrayCommand ChooseFromMenu(HWND window, const std::vector<TrayMenuItem>& items) {
  MenuHandle menu(::CreatePopupMenu());
  if (!menu || !AppendItems(menu.get(), items)) return TrayCommand::None;
  POINT at{};
  ::GetCursorPos(&at);
  const HWND front = ::GetForegroundWindow();
  // The menu closes on a click elsewhere only while its window is in front.
  ::SetForegroundWindow(window);
  const BOOL chosen = ::TrackPopupMenuEx(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                         at.x, at.y, window, nullptr);
  ::PostMessageW(window, WM_NULL, 0, 0);
  if (front && front != window && ::IsWindow(front)) ::SetForegroundWindow(front);
  return static_cast<TrayCommand>(chosen);
}

// A double-click the user made: input within a double-click's time. Posted
// messages from another program come with none.
bool FollowsRealInput() {
  LASTINPUTINFO last{};
  last.cbSize = sizeof last;
  return ::GetLastInputInfo(&last) && ::GetTickCount() - last.dwTime <= ::GetDoubleClickTime();
}

}  // namespace

TrayIcon::TrayIcon(HWND window, HINSTANCE instance, const std::string& tooltip)
    : window_(window),
      icon_(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                            ::GetSystemMetrics(SM_CXSMICON),
                                            ::GetSystemMetrics(SM_CYSMICON), LR_SHARED))),
      tooltip_(Utf8ToWide(tooltip)),
      taskbarCreated_(::RegisterWindowMessageW(L"TaskbarCreated")) {
  shown_ = Add();
}

TrayIcon::~TrayIcon() {
  NOTIFYICONDATAW data = IconData(window_);
  ::Shell_NotifyIconW(NIM_DELETE, &data);
}

bool TrayIcon::Add() {
  NOTIFYICONDATAW data = IconData(window_);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kIconMessage;
  data.hIcon = icon_;
  const std::size_t length = std::min(tooltip_.size(), std::size(data.szTip) - 1);
  std::copy_n(tooltip_.begin(), length, data.szTip);
  return ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

bool TrayIcon::OwnsMessage(UINT message) const {
  return message == kIconMessage || (taskbarCreated_ != 0 && message == taskbarCreated_);
}

TrayCommand TrayIcon::OnMessage(UINT message, LPARAM lParam, const TrayState& state) {
  if (message != kIconMessage) {
    shown_ = Add();  // the taskbar is new: the icons it had are gone
    return TrayCommand::None;
  }
  switch (LOWORD(lParam)) {
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
      return ChooseFromMenu(window_, TrayMenuItems(state));
    case WM_LBUTTONDBLCLK: {
      if (!FollowsRealInput()) return TrayCommand::None;
      const TrayMenuItem first = TrayMenuItems(state).front();
      return first.enabled ? first.command : TrayCommand::None;
    }
    default:
      return TrayCommand::None;
  }
}

}  // namespace kx::win
