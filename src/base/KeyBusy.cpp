#include "base/KeyBusy.h"

namespace kx {
namespace {

bool busy = false;

}  // namespace

bool KeyBusy() { return busy; }

KeyBusyScope::KeyBusyScope() { busy = true; }

KeyBusyScope::~KeyBusyScope() { busy = false; }

}  // namespace kx
