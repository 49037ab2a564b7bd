// The colour text rules: what counts as a number, and the normal form.
#include "mask/color_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace vm {
namespace {

constexpr int32_t kFallback = -12345;  // a value no case below gives

struct TextCase {
  std::string text;
  std::optional<int32_t> value;  // nullopt: not a number
  const char* normalForm;        // the text after leaving the field
};

// Every case is checked with two different fallbacks, so a number is never
// mistaken for the fallback and the other way round.
void ExpectValues(std::initializer_list<TextCase> cases) {
  for (const TextCase& c : cases) {
    SCOPED_TRACE("text: [" + c.text + "]");
    if (c.value) {
      EXPECT_EQ(ColorTextToValue(c.text, kFallback), *c.value);
      EXPECT_EQ(ColorTextToValue(c.text, 0), *c.value);
      EXPECT_EQ(ColorValueToText(*c.value), c.normalForm);
    } else {
      EXPECT_EQ(ColorTextToValue(c.text, kFallback), kFallback);
      EXPECT_EQ(ColorTextToValue(c.text, -1), -1);
    }
  }
}

TEST(ColorText, FieldCases) {
  ExpectValues({
      {"$000000", 0, "$000000"},
      {"$0000ff", 255, "$0000FF"},
      {"255", 255, "$0000FF"},
      {"xff", 255, "$0000FF"},
      {"0X1f", 31, "$00001F"},
      {"  12", 12, "$00000C"},
      {"+5", 5, "$000005"},
      {"-0", 0, "$000000"},
      {"007", 7, "$000007"},
      {"$FF0000", 16711680, "$FF0000"},
      {"$FFFFFF", 16777215, "$FFFFFF"},
      {"-1", -1, "$FFFFFFFF"},
      {"", std::nullopt, ""},
      {"12 ", std::nullopt, ""},
      {"$", std::nullopt, ""},
      {"0x", std::nullopt, ""},
      {"-$10", std::nullopt, ""},
      {"#FF0000", std::nullopt, ""},
      {"$GG", std::nullopt, ""},
  });
}

TEST(ColorText, HexadecimalForms) {
  ExpectValues({
      {"$0000F", 15, "$00000F"},               // typed halfway
      {"x0", 0, "$000000"},
      {"X7", 7, "$000007"},
      {"0x10", 16, "$000010"},
      {"0XaBc", 0xABC, "$000ABC"},
      {"xFFFFFF", 16777215, "$FFFFFF"},
      {"$1000000", 16777216, "$1000000"},      // seven digits, never cut
      {"$FFFFFFFF", -1, "$FFFFFFFF"},
      {"$80000000", INT32_MIN, "$80000000"},
      {"$7FFFFFFF", INT32_MAX, "$7FFFFFFF"},
      {"$000000000000FF", 255, "$0000FF"},      // leading zeros never count
      {"$0FFFFFFFF", -1, "$FFFFFFFF"},
      {"$100000000", std::nullopt, ""},         // nine digits after the zeros
      {"0x123456789", std::nullopt, ""},
      {"x", std::nullopt, ""},
      {"X", std::nullopt, ""},
      {"0X", std::nullopt, ""},
      {"$$10", std::nullopt, ""},
      {"$0x10", std::nullopt, ""},
      {"0$10", std::nullopt, ""},
      {"+$10", std::nullopt, ""},
      {"-0x10", std::nullopt, ""},
      {"+x10", std::nullopt, ""},
      {"$ 10", std::nullopt, ""},               // no space after the prefix
      {"$1G", std::nullopt, ""},
      {"h10", std::nullopt, ""},
      {"10h", std::nullopt, ""},
  });
}

TEST(ColorText, DecimalForms) {
  ExpectValues({
      {"0", 0, "$000000"},
      {"+0", 0, "$000000"},
      {"010", 10, "$00000A"},                   // never octal
      {"0000000000000000000012", 12, "$00000C"},
      {"16777215", 16777215, "$FFFFFF"},
      {"2147483647", INT32_MAX, "$7FFFFFFF"},
      {"-2147483648", INT32_MIN, "$80000000"},
      {"-123456", -123456, "$FFFE1DC0"},
      {"2147483648", std::nullopt, ""},
      {"-2147483649", std::nullopt, ""},
      {"99999999999999999999", std::nullopt, ""},
      {"+", std::nullopt, ""},
      {"-", std::nullopt, ""},
      {"+-5", std::nullopt, ""},
      {"--5", std::nullopt, ""},
      {"- 5", std::nullopt, ""},
      {"1.0", std::nullopt, ""},
      {"1e3", std::nullopt, ""},
      {"1,000", std::nullopt, ""},
      {"12a", std::nullopt, ""},
  });
}

TEST(ColorText, OnlyLeadingSpacesAndAsciiCount) {
  ExpectValues({
      {"   $FF", 255, "$0000FF"},
      {" -1", -1, "$FFFFFFFF"},
      {" ", std::nullopt, ""},
      {"    ", std::nullopt, ""},
      {"\t12", std::nullopt, ""},
      {"\n12", std::nullopt, ""},
      {"12\t", std::nullopt, ""},
      {"1 2", std::nullopt, ""},
      {std::string("12\0", 3), std::nullopt, ""},
      {"\xE3\x80\x80" "12", std::nullopt, ""},          // ideographic space (UTF-8)
      {"\x81\x40" "12", std::nullopt, ""},              // ideographic space (code page 932)
      {"\xEF\xBC\x91\xEF\xBC\x92", std::nullopt, ""},  // full-width １２ (UTF-8)
      {"\x82\x50\x82\x51", std::nullopt, ""},          // full-width １２ (code page 932)
      {"$\xEF\xBC\xA6\xEF\xBC\xA6", std::nullopt, ""}, // full-width ＦＦ
      {"\xEF\xBC\x84" "FF", std::nullopt, ""},          // full-width ＄
  });
}

TEST(ColorText, NormalFormHasAtLeastSixUpperCaseDigits) {
  EXPECT_EQ(ColorValueToText(0), "$000000");
  EXPECT_EQ(ColorValueToText(0x00ABCDEF), "$ABCDEF");
  EXPECT_EQ(ColorValueToText(0x00FFFFFF + 1), "$1000000");
  EXPECT_EQ(ColorValueToText(0x0ABCDEF0), "$ABCDEF0");
  EXPECT_EQ(ColorValueToText(0x12345678), "$12345678");
  EXPECT_EQ(ColorValueToText(-2), "$FFFFFFFE");
}

// The normal form of any value reads back as that value, and is itself
// already normal.
TEST(ColorText, NormalFormRoundTrips) {
  std::mt19937 random(20260101);
  std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
  std::vector<int32_t> values = {0, 1, -1, 15, 16, 0xFFFFF, 0x100000, 0xFFFFFF, 0x1000000,
                                 0xFFFFFFF, 0x10000000, INT32_MAX, INT32_MIN, INT32_MIN + 1};
  for (int i = 0; i < 20000; ++i) values.push_back(any(random));
  for (int shift = 0; shift < 32; ++shift) {
    values.push_back(static_cast<int32_t>(uint32_t{1} << shift));
    values.push_back(static_cast<int32_t>((uint32_t{1} << shift) - 1));
  }
  for (const int32_t value : values) {
    const std::string text = ColorValueToText(value);
    ASSERT_EQ(ColorTextToValue(text, value == 0 ? 1 : 0), value) << text;
    ASSERT_EQ(ColorValueToText(ColorTextToValue(text, 0)), text);
    ASSERT_EQ(ColorTextToValue(std::to_string(value), value == 0 ? 1 : 0), value);
    ASSERT_GE(text.size(), 7u);
    ASSERT_LE(text.size(), 9u);
  }
}

}  // namespace
}  // namespace vm
