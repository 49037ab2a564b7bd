// The command line: options, the colour text, and what counts as misuse.
#include "cli/cli_args.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vm::cli {
namespace {

using Action = ParsedArgs::Action;

struct ArgsCase {
  std::vector<std::string> args;
  Action action;
  uint32_t colour;
  bool quiet;
  std::vector<std::string> files;
};

TEST(ParseArgs, OptionsColoursAndFiles) {
  const ArgsCase cases[] = {
      {{"a.bmp"}, Action::Convert, 0, false, {"a.bmp"}},
      {{"--color", "255", "a.bmp", "b.bmp"}, Action::Convert, 255, false, {"a.bmp", "b.bmp"}},
      {{"--color=xff", "a.bmp"}, Action::Convert, 255, false, {"a.bmp"}},
      {{"-c", "$FF00FF", "-q", "a.bmp"}, Action::Convert, 0xFF00FF, true, {"a.bmp"}},
      {{"a.bmp", "--quiet"}, Action::Convert, 0, true, {"a.bmp"}},
      {{"--", "--color", "-q"}, Action::Convert, 0, false, {"--color", "-q"}},
      {{"-"}, Action::Convert, 0, false, {"-"}},
      {{"--color", "$1000000", "a.bmp"}, Action::Convert, 0x1000000, false, {"a.bmp"}},
      {{"--help"}, Action::Help, 0, false, {}},
      {{"a.bmp", "-h", "--bogus"}, Action::Help, 0, false, {}},
  };
  for (const ArgsCase& c : cases) {
    const ParsedArgs parsed = ParseArgs(c.args);
    const std::string shown = ::testing::PrintToString(c.args);
    EXPECT_EQ(parsed.action, c.action) << shown;
    if (c.action != Action::Convert) continue;
    EXPECT_EQ(parsed.options.colour, c.colour) << shown;
    EXPECT_EQ(parsed.options.quiet, c.quiet) << shown;
    EXPECT_EQ(parsed.options.files, c.files) << shown;
  }
}

TEST(ParseArgs, MisuseIsAUsageErrorThatSaysWhy) {
  const std::vector<std::vector<std::string>> misuses = {
      {},                              // no file
      {"--quiet"},                     // still no file
      {"--color", "-1", "a.bmp"},      // negative
      {"--color", "abc", "a.bmp"},     // not a number
      {"--color", "", "a.bmp"},        // empty
      {"--color=", "a.bmp"},           // empty
      {"a.bmp", "--color"},            // the colour is missing
      {"--colour", "255", "a.bmp"},    // unknown option
      {"-x", "a.bmp"},                 // unknown option
  };
  for (const auto& args : misuses) {
    const ParsedArgs parsed = ParseArgs(args);
    EXPECT_EQ(parsed.action, Action::UsageError) << ::testing::PrintToString(args);
    EXPECT_FALSE(parsed.error.empty()) << ::testing::PrintToString(args);
  }
}

}  // namespace
}  // namespace vm::cli
