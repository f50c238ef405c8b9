#pragma once
// MessageHook: routes the messages of one top-level window to message targets
// by replacing the window's procedure. While hooked, the window carries a
// property (HookPropertyName in base/ProductNames.h) with the hook object's
// address, for others to see; the hook object itself is found again through
// this program's own table of hooked windows, since any process can set a
// property on any window.
//
// Hook objects are shared: the attaching targets hold them while they work on
// them, and a hooked window holds its hook object from hooking to unhooking.
// A hook object therefore lives exactly as long as it is hooked or in use.

#include <cstdint>
#include <memory>
#include <vector>

#include "hotkey/MessageTarget.h"
#include "hotkey/WindowServices.h"

namespace kx {

class MessageHook : public std::enable_shared_from_this<MessageHook> {
 public:
  static std::shared_ptr<MessageHook> Create(WindowServices& services);
  // The hook object installed on that window, or nothing. Only this
  // program's table is asked: the window's property is never read.
  static std::shared_ptr<MessageHook> HookOf(WindowHandle window);

  MessageHook(const MessageHook&) = delete;
  MessageHook& operator=(const MessageHook&) = delete;

  [[nodiscard]] std::int32_t TargetCount() const;

  // Adds a target for every message of the window; the first entry hooks the
  // window. All entries must name the same window.
  bool AddTarget(MessageTarget& target, WindowHandle window);
  // Removes every entry of the target; removing the last one unhooks the window.
  bool RemoveTarget(const MessageTarget& target);

  // Forwards one message of the hooked window to the targets and then, unless a
  // target set `handled`, to the window's previous procedure.
  std::intptr_t Route(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam);

 private:
  struct Entry {
    MessageTarget* target;
    WindowHandle window;
  };

  explicit MessageHook(WindowServices& services);

  void HookWindow(WindowHandle window);
  void UnhookWindow();

  WindowServices& services_;
  ProcedureAddress previousProc_ = 0;
  WindowHandle window_ = 0;
  std::vector<Entry> targets_;
  bool routing_ = false;  // a message is on its way: nested ones go straight on
  std::shared_ptr<MessageHook> heldByWindow_;
};

}  // namespace kx
