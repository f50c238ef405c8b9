#include "notices/win32/NoticeWindow.h"

#include <array>
#include <memory>
#include <optional>

#include "base/win32/Strconv.h"
#include "base/win32/WindowTable.h"
#include "notices/NoticeLayout.h"
#include "notices/win32/NoticeFont.h"
#include "notices/win32/Notices.h"
#include "notices/win32/Screen.h"

namespace kx::win {
namespace {

constexpr int kLabelId = 100;
constexpr UINT_PTR kCloseTimerId = 1;
constexpr std::array<const NoticeDesign*, 3> kAllNotices{&kResultNotice, &kSaveAbortedNotice,
                                                         &kPrintErrorNotice};

// What a notice owns; freed with the window. Found through the window table,
// never through the window's user-data slot.
struct NoticeState {
  FontHandle labelFont;
  FontHandle buttonFont;
  COLORREF labelColour = 0;
};

struct FrameStyle {
  DWORD style;
  DWORD exStyle;
};

FrameStyle StyleOf(NoticeFrame frame) {
  switch (frame) {
    case NoticeFrame::Borderless:
      return {WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW};
    case NoticeFrame::FixedDialog:
      return {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME};
  }
  return {WS_POPUP, 0};
}

PixelSize FrameSize(const FrameStyle& frame) {
  RECT outer{};
  ::AdjustWindowRectEx(&outer, frame.style, FALSE, frame.exStyle);
  return {outer.right - outer.left, outer.bottom - outer.top};
}

// The answer to a notice's message, or nothing for the default handling.
std::optional<LRESULT> OnNoticeMessage(HWND window, UINT message, WPARAM wParam) {
  const NoticeState* const state = WindowTable<NoticeState>::Find(window);
  switch (message) {
    case WM_TIMER:
      if (wParam != kCloseTimerId) return std::nullopt;
      ::KillTimer(window, kCloseTimerId);
      ::DestroyWindow(window);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK || HIWORD(wParam) != BN_CLICKED) return std::nullopt;
      ::DestroyWindow(window);
      return 0;
    case WM_SETFOCUS:
      if (const HWND button = ::GetDlgItem(window, IDOK)) {
        ::SetFocus(button);
        return 0;
      }
      return std::nullopt;
    case WM_CTLCOLORSTATIC:
      if (!state) return std::nullopt;
      ::SetTextColor(reinterpret_cast<HDC>(wParam), state->labelColour);
      ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    case WM_NCDESTROY:
      delete WindowTable<NoticeState>::Take(window);
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

// No exception leaves the window procedure: a failure gets the default handling.
LRESULT CALLBACK NoticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (const std::optional<LRESULT> answer = OnNoticeMessage(window, message, wParam)) {
      return *answer;
    }
  } catch (...) {
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterNoticeClass(HINSTANCE instance, const std::wstring& className) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (::GetClassInfoExW(instance, className.c_str(), &windowClass)) return true;
  windowClass.lpfnWndProc = &NoticeProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className.c_str();
  return ::RegisterClassExW(&windowClass) != 0;
}

HWND CreateControl(HWND parent, const wchar_t* controlClass, const std::wstring& text, DWORD style,
                   const PixelBox& box, int id, HFONT font) {
  const HWND control = ::CreateWindowExW(
      0, controlClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, box.left, box.top, box.width,
      box.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  if (control && font) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

std::string ClassNameOf(HWND window) {
  std::array<wchar_t, 64> name{};
  const int length = ::GetClassNameW(window, name.data(), static_cast<int>(name.size()));
  return length > 0 ? WideToUtf8({name.data(), static_cast<size_t>(length)}) : std::string();
}

struct NoticeSearch {
  const NoticeDesign* design;
  HWND found;
};

// No exception leaves the callback: a window whose class cannot be read is passed over.
BOOL CALLBACK NoteNoticeOfDesign(HWND window, LPARAM search) {
  auto* wanted = reinterpret_cast<NoticeSearch*>(search);
  try {
    if (ClassNameOf(window) != wanted->design->className) return TRUE;
  } catch (...) {
    return TRUE;
  }
  wanted->found = window;
  return FALSE;
}

COLORREF ColourOf(const LabelDesign& label) {
  if (!label.colour) return ::GetSysColor(COLOR_BTNTEXT);
  return RGB(label.colour->red, label.colour->green, label.colour->blue);
}

}  // namespace

HWND CreateNotice(const NoticeDesign& design, const std::string& labelText) {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const std::wstring className = Utf8ToWide(design.className);
  if (!RegisterNoticeClass(instance, className)) return nullptr;

  const ScreenResolution resolution = CurrentScreenResolution();
  auto state = std::make_unique<NoticeState>();
  state->labelFont = CreateNoticeFont(design.label.font, resolution.pixelsPerInchY);
  if (design.button) {
    state->buttonFont = CreateNoticeFont(design.button->font, resolution.pixelsPerInchY);
  }
  state->labelColour = ColourOf(design.label);

  const std::wstring text = Utf8ToWide(labelText);
  const FrameStyle frame = StyleOf(design.frame);
  const PixelSize frameSize = FrameSize(frame);
  const PixelSize screen = PrimaryScreenSize();
  const NoticeLayout layout =
      LayOutNotice(design, resolution, MeasureText(state->labelFont.get(), text),
                   screen.width - frameSize.width);
  const PixelSize outer{layout.client.width + frameSize.width,
                        layout.client.height + frameSize.height};
  const PixelPoint origin = CentredOrigin(screen, outer);

  const HWND window = ::CreateWindowExW(
      frame.exStyle, className.c_str(), Utf8ToWide(design.caption).c_str(), frame.style, origin.x,
      origin.y, outer.width, outer.height, nullptr, nullptr, instance, nullptr);
  if (!window) return nullptr;
  WindowTable<NoticeState>::Bind(window, *state);
  const NoticeState& owned = *state.release();

  const DWORD alignment = design.label.alignment == TextAlignment::Centre ? SS_CENTER : SS_LEFT;
  CreateControl(window, L"STATIC", text, alignment | SS_NOPREFIX, layout.label, kLabelId,
                owned.labelFont.get());
  if (design.button && layout.button) {
    CreateControl(window, L"BUTTON", Utf8ToWide(design.button->caption),
                  WS_TABSTOP | BS_DEFPUSHBUTTON, *layout.button, IDOK, owned.buttonFont.get());
  }
  if (design.closeAfterMs > 0) ::SetTimer(window, kCloseTimerId, design.closeAfterMs, nullptr);
  SetTopmost(window);
  return window;
}

HWND FindNotice(const NoticeDesign& design) {
  NoticeSearch search{&design, nullptr};
  ::EnumThreadWindows(::GetCurrentThreadId(), &NoteNoticeOfDesign,
                      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void SetNoticeText(HWND notice, const std::string& labelText) {
  ::SetDlgItemTextW(notice, kLabelId, Utf8ToWide(labelText).c_str());
}

bool IsNoticeWindow(HWND window) {
  const std::string className = ClassNameOf(window);
  for (const NoticeDesign* design : kAllNotices) {
    if (className == design->className) return true;
  }
  return false;
}

}  // namespace kx::win
