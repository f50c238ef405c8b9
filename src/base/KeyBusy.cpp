#include "base/KeyBusy.h"

#include <utility>

namespace kx {
namespace {

bool busy = false;

}  // namespace

bool KeyBusy() { return busy; }

KeyBusyScope::KeyBusyScope() : previous_(std::exchange(busy, true)) {}

KeyBusyScope::~KeyBusyScope() { busy = previous_; }

}  // namespace kx
