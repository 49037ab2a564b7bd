// vellumark-convert: the mask conversion of the Vellumark program, for
// scripts and batches. See cli_args.h for the command line.
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/console.h"
#include "cli/convert_run.h"
#include "cli/progress_bar.h"
#include "platform/path_rules.h"

#ifdef _WIN32
#include "platform/win32/win32_file_system.h"
using SystemFileSystem = vm::Win32FileSystem;
#else
#include "platform/posix/posix_file_system.h"
using SystemFileSystem = vm::PosixFileSystem;
#endif

// argv holds the paths as the system gives them: bytes on POSIX, the ANSI
// code page on Windows, which is also what the Windows file calls take.
int main(int argc, char** argv) {
  using vm::cli::ParsedArgs;
  const ParsedArgs parsed = vm::cli::ParseArgs(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.action == ParsedArgs::Action::Help) {
    vm::cli::WriteError(vm::cli::UsageText());
    return vm::cli::kAllConverted;
  }
  if (parsed.action == ParsedArgs::Action::UsageError) {
    vm::cli::WriteError(std::string(vm::cli::kMessagePrefix) + parsed.error + "\n" +
                        vm::cli::UsageLine() + "Try \"vellumark-convert --help\" for more.\n");
    return vm::cli::kUsageError;
  }
  SystemFileSystem files;
  vm::cli::ProgressBarHost host(!parsed.options.quiet && vm::cli::ErrorIsTerminal());
  return vm::cli::RunConversion(files, vm::SystemPathRules(), parsed.options, host);
}
