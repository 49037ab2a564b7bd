#include "cli/console.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "platform/win32/win32_text.h"
#else
#include <unistd.h>
#endif

namespace vm::cli {

#ifdef _WIN32

namespace {

HANDLE ConsoleErrorHandle() {
  HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

}  // namespace

bool ErrorIsTerminal() { return ConsoleErrorHandle() != nullptr; }

void WriteError(std::string_view utf8) {
  const std::wstring wide = win32::ToWide(utf8, CP_UTF8);
  if (HANDLE console = ConsoleErrorHandle()) {
    DWORD written = 0;
    WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  // Redirected: the bytes a console of this system would show, so that
  // "2> log.txt" can be read with the system's own tools.
  const UINT codePage = GetConsoleOutputCP() != 0 ? GetConsoleOutputCP() : GetACP();
  const std::string bytes = win32::FromWide(wide, codePage);
  std::fwrite(bytes.data(), 1, bytes.size(), stderr);
  std::fflush(stderr);
}

#else

bool ErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

void WriteError(std::string_view utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fflush(stderr);
}

#endif

}  // namespace vm::cli
