#pragma once
// What the window message hook needs from the window system.

#include <cstdint>
#include <string>

namespace kx {

// Window handles, window procedures and object addresses are pointer-sized.
using WindowHandle = std::intptr_t;
using ProcedureAddress = std::intptr_t;

inline constexpr std::uint32_t kWmPaint = 0x000F;
inline constexpr std::uint32_t kWmClose = 0x0010;
inline constexpr std::uint32_t kWmQueryEndSession = 0x0011;
inline constexpr std::uint32_t kWmEndSession = 0x0016;
inline constexpr std::uint32_t kWmNcCreate = 0x0081;
inline constexpr std::uint32_t kWmHotKey = 0x0312;
// RegisterWindowMessage's range: 0xC000 to 0xFFFF.
inline constexpr std::uint32_t kFirstRegisteredMessage = 0xC000;
inline constexpr std::uint32_t kLastRegisteredMessage = 0xFFFF;

class WindowServices {
 public:
  virtual ~WindowServices() = default;

  // Makes HookWindowProc the window's procedure; gives the procedure it
  // replaced, or 0 when the window's procedure could not be replaced.
  virtual ProcedureAddress InstallHookProcedure(WindowHandle window) = 0;
  // Makes `procedure` the window's procedure again.
  virtual void RestoreProcedure(WindowHandle window, ProcedureAddress procedure) = 0;

  virtual bool SetProperty(WindowHandle window, const std::string& name, std::intptr_t value) = 0;
  // The property's value, or 0 when the window has none of that name.
  virtual std::intptr_t GetProperty(WindowHandle window, const std::string& name) = 0;
  virtual void RemoveProperty(WindowHandle window, const std::string& name) = 0;

  // Hands a message to a window procedure and gives its result.
  virtual std::intptr_t CallProcedure(ProcedureAddress procedure, WindowHandle window,
                                      std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
  // The system's default handling: for a hooked window that lost its hook
  // object, and for a paint request while busy (it validates the window).
  virtual std::intptr_t CallDefaultProcedure(WindowHandle window, std::uint32_t message,
                                             std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

}  // namespace kx
