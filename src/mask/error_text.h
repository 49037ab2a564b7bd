#pragma once
// How an error's text is shown: a text that ends in a letter, a digit or a
// double-byte character gets a closing ".". Texts ending in punctuation at or
// below "." in byte order (".", blank, ")", "-", line breaks) are left alone.
#include <string>
#include <string_view>

namespace vm {

// `utf8` with "." appended when its last character sorts after "." as bytes.
// In UTF-8 the last byte of a multibyte character is at least 0x80, so the
// last byte decides, as the last character does in the ANSI code page.
std::string WithClosingPeriod(std::string_view utf8);

}  // namespace vm
