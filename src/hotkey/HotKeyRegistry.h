#pragma once
// HotKeyRegistry: system-wide hot keys for one target window, each known by a
// name that is kept as a global atom; the atom is also the hot key's
// identifier, so a WM_HOTKEY names its key by itself. Each press of a key
// registered here is passed to the handler's OnHotKey. The registry keeps
// each key's identifier and atom itself: another process may delete the atom
// or give its name to another one, and the key still works and is released.
//
// Owner's order: construct, SetTarget, then Add. Destroy the registry while
// the window still exists: it leaves the window's hook first, then
// unregisters every hot key and deletes its atom.

#include <cstdint>
#include <string>
#include <vector>

#include "hotkey/AtomTable.h"
#include "hotkey/HotKeyHandler.h"
#include "hotkey/HotKeyService.h"
#include "hotkey/MessageTarget.h"
#include "hotkey/WindowServices.h"

namespace kx {

// The hot key identifier of an atom: its 16 bits read as a signed number and
// widened with the sign (hex C123 gives hex FFFFC123).
std::int32_t HotKeyId(Atom atom);

// The longest key name that the handler is given for a press.
inline constexpr int kMaxKeyNameLength = 55;

// What Add does when an atom of the name exists already.
enum class ExistingAtom {
  Refuse,    // the name is taken
  TakeOver,  // the atom was left by a program that no longer runs: it becomes this
             // registry's own, deleted at release like the atoms it adds
};

class HotKeyRegistry final : public MessageTarget {
 public:
  HotKeyRegistry(WindowServices& windows, AtomTable& atoms, HotKeyService& hotKeys,
                 HotKeyHandler& handler);
  ~HotKeyRegistry() override;
  HotKeyRegistry(const HotKeyRegistry&) = delete;
  HotKeyRegistry& operator=(const HotKeyRegistry&) = delete;

  // False, with no atom of its own left behind, when no target window is set,
  // the name is this registry's already, an atom of that name exists (unless
  // it is to be taken over), no atom can be added or the system refuses. A
  // refused key leaves an atom it was to take over as it was.
  [[nodiscard]] bool Add(const std::string& name, std::int32_t virtualKey, std::int32_t modifiers,
                         ExistingAtom existing = ExistingAtom::Refuse);
  // Unregisters the key and deletes its atom if that still bears the name;
  // false, changing nothing, for a name not registered here.
  bool Remove(const std::string& name);

  // Calls the handler for every WM_HOTKEY whose identifier is one that this
  // registry registered, with the name (at most kMaxKeyNameLength characters
  // of it), the modifiers and the key that were registered for it: lParam,
  // which any sender chooses, is not read, nor is the atom table. OverflowError
  // when wParam is no 16-bit identifier. Leaves `handled` alone.
  std::intptr_t HandleMessage(WindowHandle& window, std::uint32_t& message, std::uintptr_t& wParam,
                              std::intptr_t& lParam, bool& handled) override;

  // The first window set stays; later ones are ignored.
  void SetTarget(WindowHandle window);
  [[nodiscard]] WindowHandle Target() const;

 private:
  struct Key {
    std::string name;
    Atom atom;
    std::int32_t id;
    std::int32_t modifiers;
    std::int32_t virtualKey;
  };

  [[nodiscard]] bool Holds(const std::string& name) const;
  void ReleaseKey(const Key& key);
  void Attach();
  void Detach();

  WindowServices& windows_;
  AtomTable& atoms_;
  HotKeyService& hotKeys_;
  HotKeyHandler& handler_;
  WindowHandle target_ = 0;
  std::vector<Key> keys_;  // in the order of registration
};

}  // namespace kx
