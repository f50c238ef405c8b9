#pragma once
// An in-memory global atom table and hot key service, shared by every
// registry of a test as the system's are shared by every program, and a
// handler that records the presses it is told of.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "hotkey/AtomTable.h"
#include "hotkey/HotKeyHandler.h"
#include "hotkey/HotKeyService.h"

namespace kx::test {

class FakeAtomTable final : public AtomTable {
 public:
  Atom Find(const std::string& name) override {
    for (const auto& [atom, entry] : atoms) {
      if (entry.name == name) return atom;
    }
    return 0;
  }
  Atom Add(const std::string& name) override {
    if (refuseAdd) return 0;
    if (const Atom existing = Find(name)) {
      ++atoms[existing].uses;
      return existing;
    }
    const Atom atom = nextAtom++;
    atoms[atom] = Entry{name, 1};
    return atom;
  }
  void Delete(Atom atom) override {
    const auto found = atoms.find(atom);
    if (found != atoms.end() && --found->second.uses == 0) atoms.erase(found);
  }

  struct Entry {
    std::string name;
    int uses = 0;
  };
  std::map<Atom, Entry> atoms;
  Atom nextAtom = 0xC123;
  bool refuseAdd = false;
};

class FakeHotKeyService final : public HotKeyService {
 public:
  struct Registration {
    WindowHandle window;
    std::int32_t id;
    std::int32_t modifiers;
    std::int32_t virtualKey;
    bool operator==(const Registration&) const = default;
  };

  bool Register(WindowHandle window, std::int32_t id, std::int32_t modifiers,
                std::int32_t virtualKey) override {
    if (refused.count({modifiers, virtualKey}) > 0) return false;
    for (const Registration& held : registrations) {
      if (held.modifiers == modifiers && held.virtualKey == virtualKey) return false;
      if (held.window == window && held.id == id) return false;
    }
    registrations.push_back({window, id, modifiers, virtualKey});
    return true;
  }
  void Unregister(WindowHandle window, std::int32_t id) override {
    if (onUnregister) onUnregister();
    std::erase_if(registrations,
                  [&](const Registration& held) { return held.window == window && held.id == id; });
  }

  std::vector<Registration> registrations;
  std::set<std::tuple<std::int32_t, std::int32_t>> refused;  // (modifiers, key)
  std::function<void()> onUnregister;
};

struct Press {
  std::string name;
  int modifiers;
  int virtualKey;
  bool operator==(const Press&) const = default;
};

class RecordingHandler final : public HotKeyHandler {
 public:
  void OnHotKey(std::string_view name, int modifiers, int virtualKey) override {
    presses.push_back({std::string(name), modifiers, virtualKey});
  }
  std::vector<Press> presses;
};

}  // namespace kx::test
