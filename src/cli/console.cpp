#include "cli/console.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace vm::cli {

#ifdef _WIN32

namespace {

std::wstring Utf8ToWide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

std::string WideToCodePage(const std::wstring& wide, UINT codePage) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

HANDLE ConsoleErrorHandle() {
  HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

}  // namespace

bool ErrorIsTerminal() { return ConsoleErrorHandle() != nullptr; }

void WriteError(std::string_view utf8) {
  const std::wstring wide = Utf8ToWide(utf8);
  if (HANDLE console = ConsoleErrorHandle()) {
    DWORD written = 0;
    WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  // Redirected: the bytes a console of this system would show, so that
  // "2> log.txt" can be read with the system's own tools.
  const UINT codePage = GetConsoleOutputCP() != 0 ? GetConsoleOutputCP() : GetACP();
  const std::string bytes = WideToCodePage(wide, codePage);
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
