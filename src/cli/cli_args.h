#pragma once
// The command line of vellumark-convert:
//   vellumark-convert [--color TEXT] [--quiet] FILE...
//   vellumark-convert --help
#include <cstdint>
#include <string>
#include <vector>

namespace vm::cli {

struct CliOptions {
  uint32_t colour = 0;  // "$000000" unless --color says otherwise
  bool quiet = false;   // no progress bar
  std::vector<std::string> files;
};

struct ParsedArgs {
  enum class Action { Convert, Help, UsageError };
  Action action = Action::UsageError;
  CliOptions options;
  std::string error;  // for UsageError: what was wrong, one line
};

// args excludes the program name. "--" ends the options; "--color=TEXT" and
// "--color TEXT" are both accepted. The colour text follows the colour
// field's rules; a text that is not a number or gives a negative value is a
// usage error.
ParsedArgs ParseArgs(const std::vector<std::string>& args);

std::string UsageLine();  // the synopsis, one line
std::string UsageText();  // the whole help text

}  // namespace vm::cli
