#pragma once
// The command-line run: every listed file in order through the shared
// per-file step, each skipped file reported on standard error.
#include "cli/cli_args.h"
#include "cli/progress_bar.h"
#include "mask/mask_name.h"
#include "platform/file_system.h"

namespace vm::cli {

enum ExitCode : int {
  kAllConverted = 0,
  kSomeNotConverted = 1,  // a file was skipped, or the run ended early
  kUsageError = 2,
};

// A mask file that cannot be created or written ends the run at that file:
// later files are not touched.
int RunConversion(FileSystem& files, const PathRules& rules, const CliOptions& options,
                  ProgressBarHost& host);

}  // namespace vm::cli
