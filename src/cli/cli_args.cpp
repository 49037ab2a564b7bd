#include "cli/cli_args.h"

#include <optional>

#include "mask/convert_file.h"

namespace vm::cli {
namespace {

constexpr const char* kDefaultColourText = "$000000";

ParsedArgs UsageError(std::string error) {
  ParsedArgs parsed;
  parsed.action = ParsedArgs::Action::UsageError;
  parsed.error = std::move(error);
  return parsed;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

ParsedArgs ParseArgs(const std::vector<std::string>& args) {
  ParsedArgs parsed;
  std::string colourText = kDefaultColourText;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      parsed.options.files.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      parsed.action = ParsedArgs::Action::Help;
      return parsed;
    } else if (arg == "--quiet" || arg == "-q") {
      parsed.options.quiet = true;
    } else if (arg == "--color" || arg == "-c") {
      if (i + 1 == args.size()) return UsageError("option " + arg + " needs a colour");
      colourText = args[++i];
    } else if (StartsWith(arg, "--color=")) {
      colourText = arg.substr(8);
    } else {
      return UsageError("unknown option " + arg);
    }
  }
  const std::optional<uint32_t> colour = TransparentColourFromText(colourText);
  if (!colour) return UsageError("the colour \"" + colourText + "\" is not a number of 0 or more");
  if (parsed.options.files.empty()) return UsageError("no bitmap file given");
  parsed.options.colour = *colour;
  parsed.action = ParsedArgs::Action::Convert;
  return parsed;
}

std::string UsageLine() { return "usage: vellumark-convert [--color TEXT] [--quiet] FILE...\n"; }

std::string UsageText() {
  return UsageLine() +
         "\n"
         "Writes beside every bitmap FILE its mask file (the name with the extension\n"
         "\".APD\"): one 16-byte rectangle for each horizontal run of pixels of the\n"
         "transparent colour, row by row from the top.\n"
         "\n"
         "  -c, --color TEXT  the transparent colour as the program's colour field\n"
         "                    takes it: $BBGGRR or 0xBBGGRR in hexadecimal, or a\n"
         "                    decimal number (default $000000, black)\n"
         "  -q, --quiet       no progress bar\n"
         "  -h, --help        this text\n"
         "\n"
         "Exit status: 0 every file converted, 1 a file skipped or the run ended\n"
         "early, 2 a usage error.\n";
}

}  // namespace vm::cli
