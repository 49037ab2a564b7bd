// The closing-period rule of the default error display.
#include "mask/error_text.h"

#include <gtest/gtest.h>

namespace vm {
namespace {

struct ClosingPeriodCase {
  const char* text;
  const char* shown;
};

class ClosingPeriodTest : public testing::TestWithParam<ClosingPeriodCase> {};

TEST_P(ClosingPeriodTest, AppendsOnlyAfterCharactersSortingAfterPeriod) {
  EXPECT_EQ(WithClosingPeriod(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, ClosingPeriodTest,
    testing::Values(
        ClosingPeriodCase{"cannot open", "cannot open."},          // letter
        ClosingPeriodCase{"error 5", "error 5."},                  // digit
        ClosingPeriodCase{"/", "/."},                              // 0x2F, first byte above '.'
        ClosingPeriodCase{"作成できません", "作成できません."},    // double-byte character
        ClosingPeriodCase{"作成しました。", "作成しました。."},    // Japanese full stop
        ClosingPeriodCase{"done.", "done."},                       // period itself
        ClosingPeriodCase{"trailing ", "trailing "},               // blank
        ClosingPeriodCase{"(see above)", "(see above)"},           // closing parenthesis
        ClosingPeriodCase{"range -", "range -"},                   // hyphen
        ClosingPeriodCase{"line\n", "line\n"},                     // line feed
        ClosingPeriodCase{"line\r", "line\r"},                     // carriage return
        ClosingPeriodCase{"", ""}));                               // empty stays empty

TEST(ClosingPeriod, KeepsEmbeddedBytesAndLooksOnlyAtTheEnd) {
  const std::string withNul("a\0b", 3);
  EXPECT_EQ(WithClosingPeriod(withNul), std::string("a\0b.", 4));
  EXPECT_EQ(WithClosingPeriod("first.\rsecond"), "first.\rsecond.");
}

}  // namespace
}  // namespace vm
