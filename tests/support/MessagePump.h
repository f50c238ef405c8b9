#pragma once

#include <chrono>

namespace kx::test {

// Handles the calling thread's window messages for `time`, and the pending
// ones at least once.
void PumpMessagesFor(std::chrono::milliseconds time);

}  // namespace kx::test
