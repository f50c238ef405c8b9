#include "hotkey/MessageHook.h"

#include <cstddef>
#include <map>
#include <vector>

#include "base/ProductNames.h"

namespace kx {
namespace {

struct Message {
  WindowHandle window;
  std::uint32_t id;
  std::uintptr_t wParam;
  std::intptr_t lParam;
};

// Hands the message to one target. A failing target is passed over: the
// pending result keeps its value and what the target did stays done.
void Forward(MessageTarget& target, Message& message, bool& handled, std::intptr_t& result) {
  try {
    result =
        target.HandleMessage(message.window, message.id, message.wParam, message.lParam, handled);
  } catch (...) {
  }
}

// The hook objects of this program's hooked windows, by window handle.
std::map<WindowHandle, std::weak_ptr<MessageHook>>& HookedWindows() {
  static std::map<WindowHandle, std::weak_ptr<MessageHook>> table;
  return table;
}

}  // namespace

MessageHook::MessageHook(WindowServices& services) : services_(services) {}

std::shared_ptr<MessageHook> MessageHook::Create(WindowServices& services) {
  return std::shared_ptr<MessageHook>(new MessageHook(services));
}

std::shared_ptr<MessageHook> MessageHook::HookOf(WindowHandle window) {
  const auto found = HookedWindows().find(window);
  return found == HookedWindows().end() ? nullptr : found->second.lock();
}

std::int32_t MessageHook::TargetCount() const { return static_cast<std::int32_t>(targets_.size()); }

bool MessageHook::AddTarget(MessageTarget& target, WindowHandle window) {
  for (const Entry& entry : targets_) {
    if (entry.window != window) return false;
  }
  targets_.push_back(Entry{&target, window});
  if (targets_.size() == 1) HookWindow(window);
  return true;
}

bool MessageHook::RemoveTarget(const MessageTarget& target) {
  const auto keepAlive = shared_from_this();  // unhooking drops the window's reference
  if (std::erase_if(targets_, [&](const Entry& entry) { return entry.target == &target; }) == 0) {
    return false;
  }
  if (targets_.empty()) UnhookWindow();
  return true;
}

// The table entry and the property come first, so the first message through
// the hook finds its hook object. Without the property the window is left
// alone, now and when the last entry goes: its property may belong to another
// hook object by then.
void MessageHook::HookWindow(WindowHandle window) {
  if (!services_.SetProperty(window, HookPropertyName(window),
                             reinterpret_cast<std::intptr_t>(this))) {
    return;
  }
  window_ = window;
  heldByWindow_ = shared_from_this();
  HookedWindows()[window] = heldByWindow_;
  previousProc_ = services_.InstallHookProcedure(window);
}

// The procedure comes back before the entry goes, so no message reaches the
// hook for a window without its hook object.
void MessageHook::UnhookWindow() {
  if (window_ == 0) return;
  if (previousProc_ != 0) services_.RestoreProcedure(window_, previousProc_);
  services_.RemoveProperty(window_, HookPropertyName(window_));
  const auto entry = HookedWindows().find(window_);
  if (entry != HookedWindows().end() && entry->second.lock().get() == this) {
    HookedWindows().erase(entry);
  }
  previousProc_ = 0;
  window_ = 0;
  heldByWindow_.reset();
}

std::intptr_t MessageHook::Route(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam) {
  // Taken now: a target may unhook the window while the message is on its way.
  const ProcedureAddress previous = previousProc_;
  Message routed{window, message, wParam, lParam};
  bool handled = false;
  std::intptr_t result = 0;
  if (!routing_) {
    routing_ = true;
    const std::size_t count = targets_.size();
    for (std::size_t position = 0; position < count; ++position) {
      if (position >= targets_.size()) break;  // the list shrank meanwhile
      Forward(*targets_[position].target, routed, handled, result);
    }
    routing_ = false;
  }
  if (handled) return result;
  return services_.CallProcedure(previous, routed.window, routed.id, routed.wParam, routed.lParam);
}

}  // namespace kx
