#include "toolkit/utf16.h"

#include <windows.h>

#include "platform/win32/win32_text.h"

namespace vm::toolkit {

std::wstring Utf16(std::string_view utf8) { return win32::ToWide(utf8, CP_UTF8); }

std::string Utf8(std::wstring_view utf16) { return win32::FromWide(utf16, CP_UTF8); }

}  // namespace vm::toolkit
