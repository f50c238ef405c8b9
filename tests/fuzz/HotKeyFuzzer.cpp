// Hot key registries and message hooks on a few windows of the in-memory
// window system, driven by any sequence of owner calls, messages (hot keys
// and anything else, also while busy), targets that answer, throw, rewrite,
// detach or send during a message, and a system that refuses atoms, hot
// keys, properties or procedures, or whose window procedures fail. Once every
// owner has let go, no window is hooked, no property, hot key or atom is
// left, no hook object lives on and the process-wide table of hooked windows
// knows none of them, so the next input starts from nothing.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "FuzzCheck.h"
#include "base/KeyBusy.h"
#include "hotkey/FakeHotKeySystem.h"
#include "hotkey/FakeWindowSystem.h"
#include "hotkey/HotKeyRegistry.h"
#include "hotkey/MessageHook.h"

namespace {

using kx::WindowHandle;
using kx::test::FakeWindowSystem;

constexpr std::array<WindowHandle, 3> kWindows{0x10010, 0x10020, 0x10030};
const std::array<std::string, 4> kNames{"Kaptorix_11", "Kaptorix_22", "Kaptorix_33", "Other"};
constexpr std::size_t kMostSteps = 2000;  // keeps the fake atom numbers from wrapping

using kx::fuzz::Check;

struct System {
  FakeWindowSystem windows;
  kx::test::FakeAtomTable atoms;
  kx::test::FakeHotKeyService hotKeys;
  std::vector<std::weak_ptr<kx::MessageHook>> hooksSeen;

  std::shared_ptr<kx::MessageHook> HookOf(WindowHandle window) {
    auto hook = kx::MessageHook::HookOf(window);
    if (hook) hooksSeen.push_back(hook);
    return hook;
  }
  // How an owner attaches: the window's hook object, or a new one.
  std::shared_ptr<kx::MessageHook> HookFor(WindowHandle window) {
    if (auto hook = HookOf(window)) return hook;
    auto hook = kx::MessageHook::Create(windows);
    hooksSeen.push_back(hook);
    return hook;
  }
  // Sends as the system does. A window procedure's failure leaves a window
  // that is not hooked; a hooked window answers every message.
  void Deliver(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
               std::intptr_t lParam) {
    const bool hooked = windows.ProcedureOf(window) == FakeWindowSystem::kHookProcedure;
    try {
      windows.Send(window, message, wParam, lParam);
    } catch (const std::runtime_error&) {
      Check(!hooked);
    }
  }
};

enum class Behaviour { Pass, Handle, Throw, Rewrite, Detach, Send, kMaxValue = Send };

class Target final : public kx::MessageTarget {
 public:
  Target(System& system, Behaviour behaviour) : system_(system), behaviour_(behaviour) {}

  std::intptr_t HandleMessage(WindowHandle& window, std::uint32_t& message, std::uintptr_t& wParam,
                              std::intptr_t& lParam, bool& handled) override {
    switch (behaviour_) {
      case Behaviour::Pass:
        return 0;
      case Behaviour::Handle:
        handled = true;
        return 1;
      case Behaviour::Throw:
        throw std::runtime_error("target failed");
      case Behaviour::Rewrite:
        message = kx::kWmHotKey;
        wParam = static_cast<std::uintptr_t>(lParam);
        return 2;
      case Behaviour::Detach:
        if (auto hook = system_.HookOf(window)) hook->RemoveTarget(*this);
        return 3;
      case Behaviour::Send:
        if (!sending_) {
          sending_ = true;
          system_.Deliver(window, message, wParam, lParam);
          sending_ = false;
        }
        return 4;
    }
    return 0;
  }

 private:
  System& system_;
  Behaviour behaviour_;
  bool sending_ = false;
};

// Each registry's handler; it may take the pressed key away at once.
class Handler final : public kx::HotKeyHandler {
 public:
  kx::HotKeyRegistry* registry = nullptr;
  bool removeOnPress = false;
  void OnHotKey(std::string_view name, int, int) override {
    if (removeOnPress && registry) registry->Remove(std::string(name));
  }
};

struct RegistrySlot {
  Handler handler;
  std::unique_ptr<kx::HotKeyRegistry> registry;
};

enum class Step {
  CreateRegistry,
  DestroyRegistry,
  SetTarget,
  AddKey,
  RemoveKey,
  AttachTarget,
  DetachTarget,
  HoldHook,
  DropHook,
  AttachToHeld,
  DetachFromHeld,
  ForeignAtom,
  ForeignAtomGone,
  RefuseCombination,
  Toggle,
  SendHotKey,
  SendAny,
  SendBusy,
  kMaxValue = SendBusy
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  System system;
  std::array<RegistrySlot, 3> registries;
  std::vector<std::unique_ptr<Target>> targets;
  for (int i = 0; i < 4; ++i) {
    targets.push_back(std::make_unique<Target>(system, input.ConsumeEnum<Behaviour>()));
  }
  std::array<std::shared_ptr<kx::MessageHook>, 2> held;
  std::vector<kx::Atom> foreignAtoms;

  const auto index = [&](std::size_t count) {
    return input.ConsumeIntegralInRange<std::size_t>(0, count - 1);
  };
  const auto pick = [&](const auto& items) { return items[index(items.size())]; };
  const auto window = [&] { return pick(kWindows); };
  const auto target = [&]() -> Target& { return *targets[index(targets.size())]; };
  const auto registry = [&]() -> RegistrySlot& { return registries[index(registries.size())]; };

  for (std::size_t steps = 0; steps < kMostSteps && input.remaining_bytes() > 0; ++steps) {
    const Step step = input.ConsumeEnum<Step>();
    switch (step) {
      case Step::CreateRegistry: {
        RegistrySlot& slot = registry();
        if (slot.registry) break;
        slot.registry = std::make_unique<kx::HotKeyRegistry>(system.windows, system.atoms,
                                                             system.hotKeys, slot.handler);
        slot.handler.registry = slot.registry.get();
        slot.handler.removeOnPress = input.ConsumeBool();
        break;
      }
      case Step::DestroyRegistry: {
        RegistrySlot& slot = registry();
        slot.handler.registry = nullptr;
        slot.registry.reset();
        break;
      }
      case Step::SetTarget:
        if (auto& slot = registry(); slot.registry) slot.registry->SetTarget(window());
        break;
      case Step::AddKey:
        if (auto& slot = registry(); slot.registry) {
          const std::string name = pick(kNames);
          const std::int32_t virtualKey = input.ConsumeIntegralInRange(0, 300);
          const std::int32_t modifiers = input.ConsumeIntegralInRange(0, 15);
          // A copy that no longer runs left the atom: it may be taken over
          // when only such copies use it, and it is then the registry's.
          const kx::Atom atom = system.atoms.Find(name);
          const auto left = std::count(foreignAtoms.begin(), foreignAtoms.end(), atom);
          const bool takeOver =
              atom != 0 && input.ConsumeBool() && system.atoms.atoms[atom].uses == left;
          const auto existing = takeOver ? kx::ExistingAtom::TakeOver : kx::ExistingAtom::Refuse;
          if (slot.registry->Add(name, virtualKey, modifiers, existing) && takeOver) {
            foreignAtoms.erase(std::find(foreignAtoms.begin(), foreignAtoms.end(), atom));
          }
        }
        break;
      case Step::RemoveKey:
        if (auto& slot = registry(); slot.registry) slot.registry->Remove(pick(kNames));
        break;
      case Step::AttachTarget: {
        const WindowHandle hooked = window();
        Target& attached = target();
        system.HookFor(hooked)->AddTarget(attached, hooked);
        break;
      }
      case Step::DetachTarget: {
        const WindowHandle hooked = window();
        Target& detached = target();
        if (auto hook = system.HookOf(hooked)) hook->RemoveTarget(detached);
        break;
      }
      case Step::HoldHook: {
        auto& slot = held[index(held.size())];
        slot = system.HookFor(window());
        break;
      }
      case Step::DropHook:
        held[index(held.size())].reset();
        break;
      case Step::AttachToHeld: {
        const auto& hook = held[index(held.size())];
        const WindowHandle hooked = window();
        Target& attached = target();
        // An owner keeps to the window's hook object, as HookFor does.
        const auto current = system.HookOf(hooked);
        if (hook && (!current || current == hook)) hook->AddTarget(attached, hooked);
        break;
      }
      case Step::DetachFromHeld: {
        const auto& hook = held[index(held.size())];
        Target& detached = target();
        if (hook) hook->RemoveTarget(detached);
        break;
      }
      case Step::ForeignAtom:
        if (const kx::Atom atom = system.atoms.Add(pick(kNames))) foreignAtoms.push_back(atom);
        break;
      case Step::ForeignAtomGone:
        if (!foreignAtoms.empty()) {
          system.atoms.Delete(foreignAtoms.back());
          foreignAtoms.pop_back();
        }
        break;
      case Step::RefuseCombination: {
        const std::int32_t modifiers = input.ConsumeIntegralInRange(0, 15);
        const std::int32_t virtualKey = input.ConsumeIntegralInRange(0, 300);
        const std::tuple<std::int32_t, std::int32_t> combination{modifiers, virtualKey};
        if (input.ConsumeBool()) {
          system.hotKeys.refused.insert(combination);
        } else {
          system.hotKeys.refused.erase(combination);
        }
        break;
      }
      case Step::Toggle:
        switch (input.ConsumeIntegralInRange(0, 3)) {
          case 0:
            system.windows.refuseProcedure = !system.windows.refuseProcedure;
            break;
          case 1:
            system.windows.refuseProperty = !system.windows.refuseProperty;
            break;
          case 2:
            system.windows.ownProcedureFails = !system.windows.ownProcedureFails;
            break;
          default:
            system.atoms.refuseAdd = !system.atoms.refuseAdd;
            break;
        }
        break;
      case Step::SendHotKey: {
        const WindowHandle to = window();
        const kx::Atom atom = system.atoms.Find(pick(kNames));
        const std::uintptr_t wParam = input.ConsumeBool()
                                          ? static_cast<std::uintptr_t>(kx::HotKeyId(atom))
                                          : input.ConsumeIntegral<std::uintptr_t>();
        const auto lParam = input.ConsumeIntegral<std::intptr_t>();
        system.Deliver(to, kx::kWmHotKey, wParam, lParam);
        break;
      }
      case Step::SendAny:
      case Step::SendBusy: {
        const bool busy = step == Step::SendBusy;
        const WindowHandle to = window();
        const std::array<std::uint32_t, 2> messages{kx::kWmHotKey,
                                                    input.ConsumeIntegral<std::uint32_t>()};
        const std::uint32_t message = pick(messages);
        const auto wParam = input.ConsumeIntegral<std::uintptr_t>();
        const auto lParam = input.ConsumeIntegral<std::intptr_t>();
        if (busy) {
          const kx::KeyBusyScope scope;
          system.Deliver(to, message, wParam, lParam);
        } else {
          system.Deliver(to, message, wParam, lParam);
        }
        break;
      }
    }
    // A hooked window carries its own hook object's property.
    for (const WindowHandle each : kWindows) {
      if (const auto hook = kx::MessageHook::HookOf(each)) {
        Check(system.windows.GetProperty(each, kx::HookPropertyName(each)) ==
              reinterpret_cast<std::intptr_t>(hook.get()));
      }
    }
  }

  // Every owner lets go: the registries, then each target from each window.
  for (RegistrySlot& slot : registries) {
    slot.handler.registry = nullptr;
    slot.registry.reset();
  }
  for (const WindowHandle hooked : kWindows) {
    for (const auto& each : targets) {
      if (auto hook = system.HookOf(hooked)) hook->RemoveTarget(*each);
    }
  }
  for (auto& hook : held) {
    if (!hook) continue;
    for (const auto& each : targets) hook->RemoveTarget(*each);
    hook.reset();
  }
  for (const kx::Atom atom : foreignAtoms) system.atoms.Delete(atom);

  for (const WindowHandle each : kWindows) {
    Check(system.windows.ProcedureOf(each) == FakeWindowSystem::kOwnProcedure);
    Check(kx::MessageHook::HookOf(each) == nullptr);
  }
  Check(system.windows.properties.empty());
  Check(system.hotKeys.registrations.empty());
  Check(system.atoms.atoms.empty());
  for (const auto& hook : system.hooksSeen) Check(hook.expired());
  return 0;
}
