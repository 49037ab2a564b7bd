#pragma once
// The one place where texts change encoding on Windows: between UTF-16 (the
// W functions) and a code page (UTF-8 inside the program, the ANSI code page
// of paths, the console's code page).
#include <string>
#include <string_view>

namespace vm::win32 {

std::wstring ToWide(std::string_view bytes, unsigned codePage);
std::string FromWide(std::wstring_view wide, unsigned codePage);

}  // namespace vm::win32
