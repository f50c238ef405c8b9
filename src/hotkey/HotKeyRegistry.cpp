#include "hotkey/HotKeyRegistry.h"

#include <algorithm>
#include <limits>
#include <string>

#include "hotkey/MessageHook.h"
#include "hotkey/OverflowError.h"

namespace kx {
namespace {

// The value as a signed 16-bit number; OverflowError when it does not fit.
std::int16_t ToInt16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw OverflowError(std::to_string(value) + " does not fit a 16-bit integer");
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace

std::int32_t HotKeyId(Atom atom) { return static_cast<std::int16_t>(atom); }

HotKeyRegistry::HotKeyRegistry(WindowServices& windows, AtomTable& atoms, HotKeyService& hotKeys,
                               HotKeyHandler& handler)
    : windows_(windows), atoms_(atoms), hotKeys_(hotKeys), handler_(handler) {}

HotKeyRegistry::~HotKeyRegistry() {
  Detach();
  for (const Key& key : keys_) ReleaseKey(key);
  target_ = 0;
  keys_.clear();
}

bool HotKeyRegistry::Add(const std::string& name, std::int32_t virtualKey, std::int32_t modifiers,
                         ExistingAtom existing) {
  if (target_ == 0 || Holds(name)) return false;
  Atom atom = atoms_.Find(name);
  const bool takenOver = atom != 0;
  if (takenOver && existing == ExistingAtom::Refuse) return false;
  if (!takenOver) atom = atoms_.Add(name);
  if (atom == 0) return false;
  // Recorded first: once the system holds the key, nothing may fail to record it.
  keys_.push_back(Key{name, atom, HotKeyId(atom), modifiers, virtualKey});
  if (!hotKeys_.Register(target_, HotKeyId(atom), modifiers, virtualKey)) {
    keys_.pop_back();
    if (!takenOver) atoms_.Delete(atom);
    return false;
  }
  return true;
}

bool HotKeyRegistry::Remove(const std::string& name) {
  const auto key =
      std::find_if(keys_.begin(), keys_.end(), [&](const Key& held) { return held.name == name; });
  if (key == keys_.end()) return false;
  ReleaseKey(*key);
  keys_.erase(key);
  return true;
}

bool HotKeyRegistry::Holds(const std::string& name) const {
  return std::any_of(keys_.begin(), keys_.end(), [&](const Key& key) { return key.name == name; });
}

// Unregisters the key by its identifier; its atom goes only while it is still
// the atom of the key's name, else it is no longer this registry's to delete.
void HotKeyRegistry::ReleaseKey(const Key& key) {
  hotKeys_.Unregister(target_, key.id);
  if (atoms_.Find(key.name) == key.atom) atoms_.Delete(key.atom);
}

std::intptr_t HotKeyRegistry::HandleMessage(WindowHandle& /*window*/, std::uint32_t& message,
                                            std::uintptr_t& wParam, std::intptr_t& /*lParam*/,
                                            bool& /*handled*/) {
  if (message != kWmHotKey) return 0;
  // The identifier is a 32-bit value; a 64-bit wParam may carry it sign- or zero-extended.
  const auto id = static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam));
  const auto atom = static_cast<Atom>(ToInt16(id));
  const auto key = std::find_if(keys_.begin(), keys_.end(),
                                [&](const Key& held) { return held.id == HotKeyId(atom); });
  if (key == keys_.end()) return 0;
  // Copied: the handler may remove the key.
  const std::string name = key->name.substr(0, kMaxKeyNameLength);
  handler_.OnHotKey(name, key->modifiers, key->virtualKey);
  return 0;
}

void HotKeyRegistry::SetTarget(WindowHandle window) {
  if (target_ != 0) return;
  target_ = window;
  Attach();
}

WindowHandle HotKeyRegistry::Target() const { return target_; }

// The hook object stays with the window once attached.
void HotKeyRegistry::Attach() {
  auto hook = MessageHook::HookOf(target_);
  if (!hook) hook = MessageHook::Create(windows_);
  hook->AddTarget(*this, target_);
}

void HotKeyRegistry::Detach() {
  if (const auto hook = MessageHook::HookOf(target_)) {
    hook->RemoveTarget(*this);
  }
}

}  // namespace kx
