#pragma once
// The window message hook's services on Win32: subclassing through
// SetWindowLongPtrW(GWLP_WNDPROC), window properties, CallWindowProcW.

#include <windows.h>

#include "hotkey/WindowServices.h"

namespace kx::win {

inline WindowHandle ToWindowHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }
inline HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

// Holds no state: any number of them may exist side by side.
class Win32WindowServices final : public WindowServices {
 public:
  ProcedureAddress InstallHookProcedure(WindowHandle window) override;
  void RestoreProcedure(WindowHandle window, ProcedureAddress procedure) override;
  bool SetProperty(WindowHandle window, const std::string& name, std::intptr_t value) override;
  std::intptr_t GetProperty(WindowHandle window, const std::string& name) override;
  void RemoveProperty(WindowHandle window, const std::string& name) override;
  std::intptr_t CallProcedure(ProcedureAddress procedure, WindowHandle window,
                              std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
  std::intptr_t CallDefaultProcedure(WindowHandle window, std::uint32_t message,
                                     std::uintptr_t wParam, std::intptr_t lParam) override;
};

}  // namespace kx::win
