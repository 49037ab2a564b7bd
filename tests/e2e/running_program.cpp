#include "running_program.h"

#include <stdexcept>
#include <vector>

namespace vm::e2e {

RunningProgram::RunningProgram(const std::wstring& path, WORD show_command) {
  // CreateProcess may write into the command line: give it its own buffer.
  std::wstring quoted = L"\"" + path + L"\"";
  std::vector<wchar_t> command_line(quoted.begin(), quoted.end());
  command_line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show_command;
  if (!CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process_)) {
    throw std::runtime_error("cannot start the program, error " + std::to_string(GetLastError()));
  }
}

RunningProgram::~RunningProgram() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 999);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool RunningProgram::WaitForInputIdle(DWORD timeout_ms) const {
  return ::WaitForInputIdle(process_.hProcess, timeout_ms) == 0;
}

std::optional<DWORD> RunningProgram::WaitForExit(DWORD timeout_ms) const {
  if (WaitForSingleObject(process_.hProcess, timeout_ms) != WAIT_OBJECT_0) return std::nullopt;
  DWORD exit_code = 0;
  GetExitCodeProcess(process_.hProcess, &exit_code);
  return exit_code;
}

}  // namespace vm::e2e
