#pragma once
// Polling for a state of another process: under Wine nothing tells us when
// the program has handled what we sent it, so we look again until it holds.
#include <windows.h>

#include <functional>

namespace vm::e2e {

// True as soon as condition() holds, false when it still fails after
// timeout_ms. The condition is always tried at least once.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeout_ms, DWORD step_ms = 20);

}  // namespace vm::e2e
