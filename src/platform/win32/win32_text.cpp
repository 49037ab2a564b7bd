#include "platform/win32/win32_text.h"

#include <windows.h>

namespace vm::win32 {

std::wstring ToWide(std::string_view bytes, unsigned codePage) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

std::string FromWide(std::wstring_view wide, unsigned codePage) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      ::WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string bytes(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

}  // namespace vm::win32
