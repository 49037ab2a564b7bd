#include "mask/color_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vm {
namespace {

// Only the ASCII characters count: a byte of a double-byte character (a
// full-width digit, say) is never a digit.
int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// The length of a hexadecimal prefix at the text's start, or 0.
std::size_t HexPrefixLength(std::string_view text) {
  if (text.empty()) return 0;
  if (text[0] == '$' || text[0] == 'x' || text[0] == 'X') return 1;
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return 2;
  return 0;
}

// One or more hex digits and nothing else; at most 32 bits of value, the
// bits then taken as a signed number.
std::optional<int32_t> ParseHexDigits(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  uint32_t value = 0;
  int significant = 0;
  for (const char c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    if (significant > 0 || digit != 0) ++significant;
    if (significant > 8) return std::nullopt;
    value = (value << 4) | static_cast<uint32_t>(digit);
  }
  return static_cast<int32_t>(value);
}

// An optional sign, one or more decimal digits and nothing else, within
// the range of a signed 32-bit number. Leading zeros never mean octal.
std::optional<int32_t> ParseDecimal(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  const int64_t limit = negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1;
  int64_t magnitude = 0;
  for (const char c : text) {
    if (!IsDecimalDigit(c)) return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

int32_t ColorTextToValue(std::string_view text, int32_t fallback) {
  // Leading spaces only; a tab or any other white space is not allowed.
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return fallback;
  text.remove_prefix(start);
  const std::size_t prefix = HexPrefixLength(text);
  const std::optional<int32_t> value =
      prefix > 0 ? ParseHexDigits(text.substr(prefix)) : ParseDecimal(text);
  return value.value_or(fallback);
}

std::string ColorValueToText(int32_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  uint32_t bits = static_cast<uint32_t>(value);
  char reversed[8];
  int count = 0;
  do {
    reversed[count++] = kDigits[bits & 0xF];
    bits >>= 4;
  } while (bits != 0);
  std::string text = "$";
  text.append(count < 6 ? 6 - count : 0, '0');
  while (count > 0) text.push_back(reversed[--count]);
  return text;
}

}  // namespace vm
