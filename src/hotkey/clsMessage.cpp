#include "hotkey/clsMessage.h"

#include <cstddef>

#include "base/ProductNames.h"

namespace kx {
namespace {

struct Message {
  WindowHandle hWnd;
  std::uint32_t uMsg;
  std::uintptr_t wParam;
  std::intptr_t lParam;
};

// Hands the message to one target. A failing target is passed over: the
// pending result keeps its value and what the target did stays done.
void Forward(MessageTarget& target, Message& message, bool& booReturn, std::intptr_t& lngReturn) {
  try {
    lngReturn = target.CallBackWindow(message.hWnd, message.uMsg, message.wParam, message.lParam,
                                      booReturn);
  } catch (...) {
  }
}

}  // namespace

clsMessage::clsMessage(WindowServices& services) : services_(services) {}

std::shared_ptr<clsMessage> clsMessage::Create(WindowServices& services) {
  return std::shared_ptr<clsMessage>(new clsMessage(services));
}

std::shared_ptr<clsMessage> clsMessage::MessageClass(WindowServices& services,
                                                     WindowHandle lngDesthWnd) {
  const std::intptr_t address = services.GetProperty(lngDesthWnd, HookPropertyName(lngDesthWnd));
  if (address < 1) return nullptr;
  return reinterpret_cast<clsMessage*>(address)->shared_from_this();
}

std::int32_t clsMessage::MessageCount() const {
  return static_cast<std::int32_t>(mudtMessages.size());
}

std::int32_t clsMessage::ChildMessageCount() const {
  return static_cast<std::int32_t>(mudtChildMessages.size());
}

bool clsMessage::AddMessage(MessageTarget& objDest, WindowHandle lngDesthWnd, bool booMessage) {
  if (!AddEntry(lngDesthWnd, objDest, booMessage, List::Messages)) return false;
  if (mudtMessages.size() == 1) HookWindow(lngDesthWnd);
  return true;
}

bool clsMessage::DeleteMessage(MessageTarget& objDest, WindowHandle lngDesthWnd) {
  const auto keepAlive = shared_from_this();  // unhooking drops the window's reference
  if (!RemoveEntry(lngDesthWnd, objDest, List::Messages)) return false;
  if (mudtMessages.empty()) UnhookWindow();
  return true;
}

bool clsMessage::DeleteChildMessage(MessageTarget& objDest, WindowHandle lngDesthWnd) {
  return RemoveEntry(lngDesthWnd, objDest, List::Children);
}

bool clsMessage::AddChildMessage(MessageTarget& objDest, WindowHandle lngDestChildhWnd,
                                 bool booMessage) {
  return AddEntry(lngDestChildhWnd, objDest, booMessage, List::Children);
}

bool clsMessage::AddEntry(WindowHandle window, MessageTarget& target, bool booMessage, List list) {
  auto& entries = list == List::Messages ? mudtMessages : mudtChildMessages;
  for (const MessageEntry& entry : entries) {
    if (list == List::Messages && entry.lngWnd != window) return false;
    if (list == List::Children && entry.lngWnd == window) return false;
  }
  entries.push_back(MessageEntry{&target, window, booMessage});
  return true;
}

// Message list entries match by target, child list entries by window.
bool clsMessage::RemoveEntry(WindowHandle window, const MessageTarget& target, List list) {
  auto& entries = list == List::Messages ? mudtMessages : mudtChildMessages;
  std::vector<MessageEntry> kept;
  for (const MessageEntry& entry : entries) {
    const bool matches =
        list == List::Messages ? entry.lngTarget == &target : entry.lngWnd == window;
    if (!matches) kept.push_back(entry);
  }
  if (kept.size() == entries.size()) return false;
  entries = std::move(kept);
  return true;
}

// The property goes first, so the first message through the hook finds its
// hook object. Without the property the procedure is left alone.
void clsMessage::HookWindow(WindowHandle window) {
  mlngWnd = window;
  if (!services_.SetProperty(window, HookPropertyName(window), reinterpret_cast<std::intptr_t>(this))) {
    return;
  }
  heldByWindow_ = shared_from_this();
  mlngPrevProc = services_.InstallHookProcedure(window);
}

// The procedure comes back before the property goes, so no message reaches
// the hook for a window without its property.
void clsMessage::UnhookWindow() {
  if (mlngWnd == 0) return;
  if (mlngPrevProc != 0) services_.RestoreProcedure(mlngWnd, mlngPrevProc);
  services_.RemoveProperty(mlngWnd, HookPropertyName(mlngWnd));
  mlngPrevProc = 0;
  mlngWnd = 0;
  heldByWindow_.reset();
}

MessageTarget* clsMessage::FindChildTarget(WindowHandle child) const {
  for (const MessageEntry& entry : mudtChildMessages) {
    if (entry.lngWnd == child && entry.booMessage) return entry.lngTarget;
  }
  return nullptr;
}

std::intptr_t clsMessage::CallBackWindow(WindowHandle hWnd, std::uint32_t uMsg,
                                         std::uintptr_t wParam, std::intptr_t lParam) {
  // Taken now: a target may unhook the window while the message is on its way.
  const ProcedureAddress previous = mlngPrevProc;
  Message message{hWnd, uMsg, wParam, lParam};
  bool booReturn = false;
  std::intptr_t lngReturn = 0;
  if (!booBusy) {
    booBusy = true;
    if (message.uMsg == kWmCommand) {
      if (MessageTarget* target = FindChildTarget(message.lParam)) {
        Forward(*target, message, booReturn, lngReturn);
      }
    }
    // lParam may come from another process; it is only dereferenced when a child could match.
    if (message.uMsg == kWmNotify && !mudtChildMessages.empty()) {
      const auto header = services_.ReadNotifyHeader(message.lParam);
      MessageTarget* target = header ? FindChildTarget(header->hwndFrom) : nullptr;
      if (target) Forward(*target, message, booReturn, lngReturn);
    }
    const std::size_t count = mudtMessages.size();
    for (std::size_t position = 0; position < count; ++position) {
      if (position >= mudtMessages.size()) break;  // the list shrank meanwhile
      const MessageEntry entry = mudtMessages[position];
      if (entry.booMessage) Forward(*entry.lngTarget, message, booReturn, lngReturn);
    }
    booBusy = false;
  }
  if (booReturn) return lngReturn;
  return services_.CallProcedure(previous, message.hWnd, message.uMsg, message.wParam,
                                 message.lParam);
}

}  // namespace kx
