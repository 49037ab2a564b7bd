#pragma once
// The tool's standard error: messages in UTF-8 reach a terminal or a console
// readable, and a progress line may be redrawn in place when it is a terminal.
#include <string_view>

namespace vm::cli {

// What every message of the tool begins with, so that a script's log shows
// where it came from.
inline constexpr std::string_view kMessagePrefix = "vellumark-convert: ";

// True when standard error is a terminal (a console on Windows).
bool ErrorIsTerminal();

// Writes UTF-8 text to standard error. On Windows a console gets it as
// UTF-16; redirected output gets the console's code page.
void WriteError(std::string_view utf8);

}  // namespace vm::cli
