#include "notices/win32/NoticeProbe.h"

#include <array>
#include <cstdint>

#include "base/win32/ScopedWin.h"

namespace kx::win::test {
namespace {

struct ClassSearch {
  std::wstring className;
  std::vector<HWND> found;
};

std::wstring ClassName(HWND window) {
  std::array<wchar_t, 64> name{};
  const int length = ::GetClassNameW(window, name.data(), static_cast<int>(name.size()));
  return length > 0 ? std::wstring(name.data(), static_cast<size_t>(length)) : std::wstring();
}

BOOL CALLBACK CollectOfClass(HWND window, LPARAM search) {
  auto* wanted = reinterpret_cast<ClassSearch*>(search);
  if (ClassName(window) == wanted->className) wanted->found.push_back(window);
  return TRUE;
}

}  // namespace

thread_local ShowRecorder* ShowRecorder::active_ = nullptr;

std::vector<HWND> ThreadWindowsOfClass(DWORD threadId, const std::wstring& className) {
  ClassSearch search{className, {}};
  ::EnumThreadWindows(threadId, &CollectOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(length > 0 ? length : 0));
  return text;
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
  return ::FindWindowExW(parent, nullptr, className, nullptr);
}

bool IsTopmost(HWND window) {
  return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

POINT OffCentre(HWND window) {
  RECT outer{};
  ::GetWindowRect(window, &outer);
  return {outer.left + outer.right - ::GetSystemMetrics(SM_CXSCREEN),
          outer.top + outer.bottom - ::GetSystemMetrics(SM_CYSCREEN)};
}

LOGFONTW FontOf(HWND control) {
  LOGFONTW font{};
  const auto handle = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  ::GetObjectW(handle, sizeof font, &font);
  return font;
}

bool TextFits(HWND control) {
  const std::wstring text = WindowText(control);
  const WindowDc dc = WindowDc::Client(control);
  const ScopedSelectObject font(dc.get(),
                                reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT needed{};
  ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  RECT client{};
  ::GetClientRect(control, &client);
  return needed.right <= client.right && needed.bottom <= client.bottom;
}

Ink InkOf(HWND control) {
  RECT client{};
  ::GetClientRect(control, &client);
  const int width = client.right;
  const int height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const WindowDc source = WindowDc::Client(control);
  const DcHandle memory(::CreateCompatibleDC(source.get()));
  const BitmapHandle bitmap(
      ::CreateDIBSection(source.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap || !bits) return {};
  {
    const ScopedSelectObject selected(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
  }
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  const std::uint32_t background = (std::uint32_t{GetRValue(face)} << 16) |
                                   (std::uint32_t{GetGValue(face)} << 8) | GetBValue(face);
  Ink ink;
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (size_t i = 0; i < static_cast<size_t>(width) * static_cast<size_t>(height); ++i) {
    const std::uint32_t rgb = pixels[i] & 0xFFFFFFu;
    if (rgb != background) ++ink.marked;
    if (rgb == 0xFF0000u) ++ink.pureRed;
  }
  return ink;
}

std::wstring OwnFolder() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
  path.resize(length);
  return path.substr(0, path.find_last_of(L'\\'));
}

ShowRecorder::ShowRecorder()
    : hook_(::SetWindowsHookExW(WH_CALLWNDPROC, &OnCallWndProc, nullptr, ::GetCurrentThreadId())) {
  active_ = this;
}

ShowRecorder::~ShowRecorder() {
  active_ = nullptr;
  if (hook_) ::UnhookWindowsHookEx(hook_);
}

LRESULT CALLBACK ShowRecorder::OnCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && active_ && call->message == WM_SHOWWINDOW && call->wParam &&
      ::GetParent(call->hwnd) == nullptr) {
    const std::wstring className = ClassName(call->hwnd);
    if (className.starts_with(L"frm")) {
      active_->shown_.push_back(
          {className, WindowText(call->hwnd), WindowText(ChildOfClass(call->hwnd, L"Static"))});
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace kx::win::test
