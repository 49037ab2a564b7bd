#pragma once
// The rules of the colour text: what the user types into the colour field.
#include <cstdint>
#include <string>
#include <string_view>

namespace vm {

// The text's value, or fallback when the text is not a number.
int32_t ColorTextToValue(std::string_view text, int32_t fallback);
// The normal form: "$" and upper-case hex digits, at least six.
std::string ColorValueToText(int32_t value);

}  // namespace vm
