#include "hotkey/win32/Win32WindowServices.h"

#include "base/win32/Strconv.h"
#include "hotkey/HookWindowProc.h"

namespace kx::win {
namespace {

LRESULT CALLBACK HookProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32WindowServices services;
  return HookWindowProc(services, ToWindowHandle(hwnd), message, wParam, lParam);
}

}  // namespace

ProcedureAddress Win32WindowServices::InstallHookProcedure(WindowHandle window) {
  return ::SetWindowLongPtrW(ToHwnd(window), GWLP_WNDPROC,
                             reinterpret_cast<LONG_PTR>(&HookProcedure));
}

void Win32WindowServices::RestoreProcedure(WindowHandle window, ProcedureAddress procedure) {
  ::SetWindowLongPtrW(ToHwnd(window), GWLP_WNDPROC, procedure);
}

bool Win32WindowServices::SetProperty(WindowHandle window, const std::string& name,
                                      std::intptr_t value) {
  return ::SetPropW(ToHwnd(window), Utf8ToWide(name).c_str(), reinterpret_cast<HANDLE>(value)) !=
         FALSE;
}

std::intptr_t Win32WindowServices::GetProperty(WindowHandle window, const std::string& name) {
  return reinterpret_cast<std::intptr_t>(::GetPropW(ToHwnd(window), Utf8ToWide(name).c_str()));
}

void Win32WindowServices::RemoveProperty(WindowHandle window, const std::string& name) {
  ::RemovePropW(ToHwnd(window), Utf8ToWide(name).c_str());
}

std::intptr_t Win32WindowServices::CallProcedure(ProcedureAddress procedure, WindowHandle window,
                                                 std::uint32_t message, std::uintptr_t wParam,
                                                 std::intptr_t lParam) {
  return ::CallWindowProcW(reinterpret_cast<WNDPROC>(procedure), ToHwnd(window), message, wParam,
                           lParam);
}

std::intptr_t Win32WindowServices::CallDefaultProcedure(WindowHandle window, std::uint32_t message,
                                                        std::uintptr_t wParam,
                                                        std::intptr_t lParam) {
  return ::DefWindowProcW(ToHwnd(window), message, wParam, lParam);
}

}  // namespace kx::win
