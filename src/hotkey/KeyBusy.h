#pragma once
// The process-wide busy flag, set while a capture action runs. While it is
// set, the hook answers every message of a hooked window with 0 and passes
// nothing on, so hot keys pressed meanwhile are lost, not queued.

namespace kx {

bool KeyBusy();

// Sets the busy flag for its lifetime, however the scope is left.
class KeyBusyScope {
 public:
  KeyBusyScope();
  ~KeyBusyScope();
  KeyBusyScope(const KeyBusyScope&) = delete;
  KeyBusyScope& operator=(const KeyBusyScope&) = delete;
};

}  // namespace kx
