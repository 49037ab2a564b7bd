#include "cli/convert_run.h"

#include <exception>
#include <string>

#include "cli/console.h"
#include "mask/convert_file.h"
#include "mask/errors.h"
#include "mask/messages.h"

namespace vm::cli {
namespace {

void Report(ProgressBarHost& host, const std::string& text) {
  host.Clear();
  WriteError(std::string(kMessagePrefix) + text + "\n");
}

// The message for a file that was skipped, as the program's message box has
// it: what happened, then that no mask is made for it.
std::string SkipMessage(const ConvertResult& result, const std::string& shownPath) {
  std::string first;
  switch (result.outcome) {
    case ConvertOutcome::Missing: first = text::FileMissing(shownPath); break;
    case ConvertOutcome::NotBitmap:
      first = text::NotABitmap(shownPath) + "（" +
              std::string(text::LoadFailureReason(result.loadFailure)) + "）";
      break;
    case ConvertOutcome::WouldReplaceInput: first = text::MaskWouldReplaceBitmap(shownPath); break;
    default: break;
  }
  return first + std::string(text::NoMaskForThisFile());
}

}  // namespace

int RunConversion(FileSystem& files, const PathRules& rules, const CliOptions& options,
                  ProgressBarHost& host) {
  const int n = static_cast<int>(options.files.size());
  int exitCode = kAllConverted;
  for (int k = 0; k < n; ++k) {
    const std::string& path = options.files[static_cast<std::size_t>(k)];
    host.SetFile(k, n);
    try {
      const ConvertResult result = ConvertFile(files, rules, {path, options.colour, k, n}, host);
      if (result.outcome != ConvertOutcome::Converted) {
        Report(host, SkipMessage(result, files.DisplayPath(path)));
        exitCode = kSomeNotConverted;
      }
    } catch (const std::exception& error) {
      // The mask file could not be created or written, or the system
      // refused the memory to scan: the run ends here.
      Report(host, error.what());
      return kSomeNotConverted;
    }
  }
  host.Clear();
  return exitCode;
}

}  // namespace vm::cli
