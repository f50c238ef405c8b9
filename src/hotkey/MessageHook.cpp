#include "hotkey/MessageHook.h"

#include <cstddef>
#include <map>

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

std::int32_t MessageHook::ChildTargetCount() const {
  return static_cast<std::int32_t>(childTargets_.size());
}

bool MessageHook::AddTarget(MessageTarget& target, WindowHandle window, bool enabled) {
  if (!AddEntry(window, target, enabled, List::Targets)) return false;
  if (targets_.size() == 1) HookWindow(window);
  return true;
}

bool MessageHook::RemoveTarget(const MessageTarget& target, WindowHandle window) {
  const auto keepAlive = shared_from_this();  // unhooking drops the window's reference
  if (!RemoveEntry(window, target, List::Targets)) return false;
  if (targets_.empty()) UnhookWindow();
  return true;
}

bool MessageHook::RemoveChildTarget(const MessageTarget& target, WindowHandle child) {
  return RemoveEntry(child, target, List::Children);
}

bool MessageHook::AddChildTarget(MessageTarget& target, WindowHandle child, bool enabled) {
  return AddEntry(child, target, enabled, List::Children);
}

bool MessageHook::AddEntry(WindowHandle window, MessageTarget& target, bool enabled, List list) {
  auto& entries = list == List::Targets ? targets_ : childTargets_;
  for (const Entry& entry : entries) {
    if (list == List::Targets && entry.window != window) return false;
    if (list == List::Children && entry.window == window) return false;
  }
  entries.push_back(Entry{&target, window, enabled});
  return true;
}

// Target list entries match by target, child list entries by window.
bool MessageHook::RemoveEntry(WindowHandle window, const MessageTarget& target, List list) {
  auto& entries = list == List::Targets ? targets_ : childTargets_;
  std::vector<Entry> kept;
  for (const Entry& entry : entries) {
    const bool matches = list == List::Targets ? entry.target == &target : entry.window == window;
    if (!matches) kept.push_back(entry);
  }
  if (kept.size() == entries.size()) return false;
  entries = std::move(kept);
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

MessageTarget* MessageHook::FindChildTarget(WindowHandle child) const {
  for (const Entry& entry : childTargets_) {
    if (entry.window == child && entry.enabled) return entry.target;
  }
  return nullptr;
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
    try {
      if (routed.id == kWmCommand) {
        if (MessageTarget* target = FindChildTarget(routed.lParam)) {
          Forward(*target, routed, handled, result);
        }
      }
      // lParam may come from another process; it is only dereferenced when a child could match.
      if (routed.id == kWmNotify && !childTargets_.empty()) {
        const auto header = services_.ReadNotifyHeader(routed.lParam);
        MessageTarget* target = header ? FindChildTarget(header->sender) : nullptr;
        if (target) Forward(*target, routed, handled, result);
      }
      const std::size_t count = targets_.size();
      for (std::size_t position = 0; position < count; ++position) {
        if (position >= targets_.size()) break;  // the list shrank meanwhile
        const Entry entry = targets_[position];
        if (entry.enabled) Forward(*entry.target, routed, handled, result);
      }
    } catch (...) {
      // The hook's own failure: the message goes on as the targets left it.
    }
    routing_ = false;
  }
  if (handled) return result;
  return services_.CallProcedure(previous, routed.window, routed.id, routed.wParam, routed.lParam);
}

}  // namespace kx
