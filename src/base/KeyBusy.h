#pragma once
// The process-wide busy flag, set while a capture action runs. While it is
// set, the message hook drops the messages of a hooked window, among them
// the hot keys pressed meanwhile, which are lost, not queued.

namespace kx {

bool KeyBusy();

// Sets the busy flag for its lifetime and then puts back what it was, however
// the scope is left; scopes nest.
class KeyBusyScope {
 public:
  KeyBusyScope();
  ~KeyBusyScope();
  KeyBusyScope(const KeyBusyScope&) = delete;
  KeyBusyScope& operator=(const KeyBusyScope&) = delete;

 private:
  bool previous_;
};

}  // namespace kx
