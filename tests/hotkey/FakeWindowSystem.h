#pragma once
// An in-memory window system: windows with their procedures and properties,
// and a log of what the hook did to them.

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/ProductNames.h"
#include "hotkey/HookWindowProc.h"
#include "hotkey/WindowServices.h"

namespace kx::test {

struct DeliveredMessage {
  ProcedureAddress procedure;
  WindowHandle window;
  std::uint32_t message;
  std::uintptr_t wParam;
  std::intptr_t lParam;
};

class FakeWindowSystem final : public WindowServices {
 public:
  static constexpr ProcedureAddress kHookProcedure = 0x7000;
  static constexpr ProcedureAddress kOwnProcedure = 0x1000;
  static constexpr std::intptr_t kOwnResult = 5;
  static constexpr std::intptr_t kDefaultResult = -77;

  // Sends a message the way the system does: to the window's current procedure.
  std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam = 0,
                     std::intptr_t lParam = 0) {
    if (ProcedureOf(window) == kHookProcedure) {
      return HookWindowProc(*this, window, message, wParam, lParam);
    }
    return CallProcedure(ProcedureOf(window), window, message, wParam, lParam);
  }

  ProcedureAddress ProcedureOf(WindowHandle window) const {
    const auto found = procedures.find(window);
    return found == procedures.end() ? kOwnProcedure : found->second;
  }
  bool HasProperty(WindowHandle window) const {
    return properties.count({window, HookPropertyName(window)}) > 0;
  }

  ProcedureAddress InstallHookProcedure(WindowHandle window) override {
    log.push_back("install");
    if (refuseProcedure) return 0;
    const ProcedureAddress previous = ProcedureOf(window);
    procedures[window] = kHookProcedure;
    return previous;
  }
  void RestoreProcedure(WindowHandle window, ProcedureAddress procedure) override {
    log.push_back("restore");
    procedures[window] = procedure;
  }
  bool SetProperty(WindowHandle window, const std::string& name, std::intptr_t value) override {
    log.push_back("set " + name);
    if (refuseProperty) return false;
    properties[{window, name}] = value;
    return true;
  }
  std::intptr_t GetProperty(WindowHandle window, const std::string& name) override {
    const auto found = properties.find({window, name});
    return found == properties.end() ? 0 : found->second;
  }
  void RemoveProperty(WindowHandle window, const std::string& name) override {
    log.push_back("remove " + name);
    properties.erase({window, name});
  }
  std::intptr_t CallProcedure(ProcedureAddress procedure, WindowHandle window,
                              std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override {
    delivered.push_back({procedure, window, message, wParam, lParam});
    if (ownProcedureFails) throw std::runtime_error("window procedure failed");
    return kOwnResult;
  }
  std::intptr_t CallDefaultProcedure(WindowHandle window, std::uint32_t message,
                                     std::uintptr_t wParam, std::intptr_t lParam) override {
    delivered.push_back({0, window, message, wParam, lParam});
    return kDefaultResult;
  }

  std::map<WindowHandle, ProcedureAddress> procedures;  // absent: kOwnProcedure
  std::map<std::pair<WindowHandle, std::string>, std::intptr_t> properties;
  std::vector<std::string> log;
  std::vector<DeliveredMessage> delivered;  // what reached a window's own procedure
  bool refuseProcedure = false;
  bool refuseProperty = false;
  bool ownProcedureFails = false;
};

}  // namespace kx::test
