#include "wait_until.h"

namespace vm::e2e {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeout_ms, DWORD step_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(step_ms);
  }
}

}  // namespace vm::e2e
