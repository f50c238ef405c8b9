#pragma once
// clsMessage: routes the messages of one top-level window to message targets
// by replacing the window's procedure. The hook object is found again from the
// window through a property named by the window handle in decimal.
//
// Hook objects are shared: the attaching targets hold them while they work on
// them, and a hooked window holds its hook object from the moment its property
// points at it until the property is removed. A hook object therefore lives
// exactly as long as it is hooked or in use, and never while its window's
// property could lead to a freed object.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hotkey/MessageTarget.h"
#include "hotkey/WindowServices.h"

namespace kx {

class clsMessage : public std::enable_shared_from_this<clsMessage> {
 public:
  static std::shared_ptr<clsMessage> Create(WindowServices& services);
  // The hook object installed on that window, or nothing.
  static std::shared_ptr<clsMessage> MessageClass(WindowServices& services,
                                                  WindowHandle lngDesthWnd);

  clsMessage(const clsMessage&) = delete;
  clsMessage& operator=(const clsMessage&) = delete;

  [[nodiscard]] std::int32_t MessageCount() const;
  [[nodiscard]] std::int32_t ChildMessageCount() const;

  // Adds a target for every message of the window; the first entry hooks the
  // window. All entries must name the same window.
  bool AddMessage(MessageTarget& objDest, WindowHandle lngDesthWnd, bool booMessage);
  // Removes every entry of the target; removing the last one unhooks the window.
  bool DeleteMessage(MessageTarget& objDest, WindowHandle lngDesthWnd);
  // Removes the child window's entry, whichever target it names.
  bool DeleteChildMessage(MessageTarget& objDest, WindowHandle lngDesthWnd);
  // Adds a target for the WM_COMMAND and WM_NOTIFY of one child window.
  bool AddChildMessage(MessageTarget& objDest, WindowHandle lngDestChildhWnd, bool booMessage);

  // Forwards one message of the hooked window to the targets and then, unless a
  // target set booReturn, to the window's previous procedure.
  std::intptr_t CallBackWindow(WindowHandle hWnd, std::uint32_t uMsg, std::uintptr_t wParam,
                               std::intptr_t lParam);

 private:
  struct MessageEntry {
    MessageTarget* lngTarget;
    WindowHandle lngWnd;
    bool booMessage;
  };
  enum class List { Messages, Children };

  explicit clsMessage(WindowServices& services);

  bool AddEntry(WindowHandle window, MessageTarget& target, bool booMessage, List list);
  bool RemoveEntry(WindowHandle window, const MessageTarget& target, List list);
  void HookWindow(WindowHandle window);
  void UnhookWindow();
  [[nodiscard]] MessageTarget* FindChildTarget(WindowHandle child) const;

  WindowServices& services_;
  ProcedureAddress mlngPrevProc = 0;
  WindowHandle mlngWnd = 0;
  std::vector<MessageEntry> mudtChildMessages;
  std::vector<MessageEntry> mudtMessages;
  bool booBusy = false;
  std::shared_ptr<clsMessage> heldByWindow_;
};

}  // namespace kx
