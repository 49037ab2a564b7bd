#pragma once
// One started copy of the program under test. The destructor ends it if it
// is still running, so that no test ever leaves a program behind, whatever
// way the test ends.
#include <windows.h>

#include <optional>
#include <string>

namespace vm::e2e {

class RunningProgram {
 public:
  // Starts the program, with the show command a shortcut would pass
  // (SW_SHOWNORMAL, SW_SHOWMINNOACTIVE...); throws std::runtime_error when
  // it cannot start.
  explicit RunningProgram(const std::wstring& path, WORD show_command = SW_SHOWNORMAL);
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  DWORD process_id() const { return process_.dwProcessId; }

  // Until the program first waits for input, at most timeout_ms.
  bool WaitForInputIdle(DWORD timeout_ms) const;
  // The exit code once the process has ended, nothing when it still runs
  // after timeout_ms.
  std::optional<DWORD> WaitForExit(DWORD timeout_ms) const;

 private:
  PROCESS_INFORMATION process_{};
};

}  // namespace vm::e2e
