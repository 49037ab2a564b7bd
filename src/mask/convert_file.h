#pragma once
// One listed file through the whole road: existence test, load, mask file
// name, creation, scan, close. Shared by the window's run and the
// command-line tool, so both treat every file the same way.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "mask/errors.h"
#include "mask/mask_name.h"
#include "platform/file_system.h"
#include "platform/scan_host.h"

namespace vm {

enum class ConvertOutcome {
  Converted,          // the mask file holds every span
  Missing,            // the existence test failed; nothing was touched
  NotBitmap,          // the file did not load (see loadFailure); nothing was touched
  WouldReplaceInput,  // the mask path names the bitmap itself; nothing was touched
  Stopped,            // the stop flag: the mask holds the spans ended so far, or,
                      // when raised before this file began, nothing was touched
};

struct ConvertResult {
  ConvertOutcome outcome = ConvertOutcome::Converted;
  LoadFailure loadFailure = LoadFailure::CannotOpen;  // for NotBitmap only
  std::string maskPath;                               // empty until it was formed
  uint64_t rectangles = 0;                            // written to the mask file
};

struct ConvertJob {
  const std::string& path;  // exactly as listed
  uint32_t colour;          // the transparent colour
  int k;                    // this file's position in the list
  int n;                    // the number of listed files
};

// Throws MaskFileError when the mask file cannot be created or written: that
// ends the whole run. A mask file once created is closed on every way out.
// A stop flag raised before the file begins (after the previous file's last
// row) is honoured at once, so no later item is tested, loaded or created.
ConvertResult ConvertFile(FileSystem& files, const PathRules& rules, const ConvertJob& job,
                          ScanHost& host);

// The run's transparent colour from the colour text: the text's value, or
// nothing when the text is not a number or gives a negative value.
std::optional<uint32_t> TransparentColourFromText(std::string_view text);

}  // namespace vm
