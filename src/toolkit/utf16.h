#pragma once
// Texts live in UTF-8 inside the program; the W functions of Windows take
// UTF-16. These two are the only conversions between them.
#include <string>
#include <string_view>

namespace vm::toolkit {

std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

}  // namespace vm::toolkit
