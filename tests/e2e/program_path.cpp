#include "program_path.h"

#include <windows.h>

#include <algorithm>

namespace vm::e2e {
namespace {

std::wstring program_path;

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), length);
  return wide;
}

// Wine's own conversion knows every drive mapping of the prefix; a new
// prefix maps "/" to Z:, which is the fallback.
std::wstring WineDosPathOf(const std::string& unix_path) {
  using Convert = WCHAR* (*)(const char*);
  auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
  if (convert) {
    if (WCHAR* dos = convert(unix_path.c_str())) {
      std::wstring result = dos;
      HeapFree(GetProcessHeap(), 0, dos);
      return result;
    }
  }
  std::wstring result = L"Z:" + Widen(unix_path);
  std::replace(result.begin(), result.end(), L'/', L'\\');
  return result;
}

}  // namespace

std::wstring WindowsPathOf(const std::string& given) {
  if (!given.empty() && given.front() == '/') return WineDosPathOf(given);
  std::wstring path = Widen(given);
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

void SetProgramPath(std::wstring path) { program_path = std::move(path); }

const std::wstring& ProgramPath() { return program_path; }

}  // namespace vm::e2e
