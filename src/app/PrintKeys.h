#pragma once
// The resident mode's four hot keys: the configured key alone, with Shift,
// with Alt, and with Shift and Alt, and with region keys on, with Ctrl and
// with Ctrl and Shift after them; each under an atom named kHotKeyAtomPrefix
// and a number that grows by kHotKeyAtomStep per registration.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "base/MessageText.h"
#include "hotkey/HotKeyRegistry.h"

namespace kx {

// kHotKeyAtomPrefix and the counter with at least two digits.
std::string PrintKeyAtomName(std::int32_t counter);

// Whether another copy of the program runs (its main window exists).
class RunningCopies {
 public:
  virtual ~RunningCopies() = default;
  virtual bool OtherCopyRunning() = 0;
};

// An atom of a key's name counts as taken only while another copy runs; one
// left by a copy that was ended by force is taken over and deleted at release.
class PrintKeyRegistrar {
 public:
  explicit PrintKeyRegistrar(RunningCopies& copies) : copies_(copies) {}

  // Registers one combination of the key: index 1 Shift, 2 Alt, 3 Shift and
  // Alt, 4 Ctrl, 5 Ctrl and Shift, any other the key alone.
  bool AddPrintKey(HotKeyRegistry& registry, std::int32_t virtualKey, int index);

  // Registers the four combinations in order, then the two region keys when
  // asked. Nothing when all are in force, else the warning box (exclamation
  // icon) that lists the failures.
  [[nodiscard]] std::optional<MessageText> RegisterPrintKeys(HotKeyRegistry& registry,
                                                             std::int32_t virtualKey,
                                                             bool regionKeys = false);

  // How many combinations were tried, and how many of them are in force.
  [[nodiscard]] std::size_t KeysTried() const { return keysTried_; }
  [[nodiscard]] std::size_t KeysHeld() const { return keysHeld_; }

 private:
  RunningCopies& copies_;
  std::int32_t atomCounter_ = 0;
  std::size_t keysTried_ = 0;
  std::size_t keysHeld_ = 0;
};

// The warning box of RegisterPrintKeys with the line that tells that the
// notification-area icon's menu still captures.
MessageText WithTrayLine(MessageText warning);

}  // namespace kx
