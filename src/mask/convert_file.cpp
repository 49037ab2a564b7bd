#include "mask/convert_file.h"

#include <new>
#include <utility>
#include <vector>

#include "mask/bitmap.h"
#include "mask/color_text.h"
#include "mask/mask_writer.h"
#include "mask/scan.h"

namespace vm {
namespace {

// Reads and parses the file; every failure, a refused allocation included,
// is one of the loader's kinds and means "not a bitmap".
Bitmap LoadBitmap(FileSystem& files, const std::string& path) {
  try {
    return Bitmap::Load(files.ReadWhole(path));
  } catch (const std::bad_alloc&) {
    throw LoadError(LoadFailure::TooLarge);
  }
}

}  // namespace

ConvertResult ConvertFile(FileSystem& files, const PathRules& rules, const ConvertJob& job,
                          ScanHost& host) {
  ConvertResult result;
  if (host.StopRequested()) {
    result.outcome = ConvertOutcome::Stopped;
    return result;
  }
  if (!files.Exists(job.path)) {
    result.outcome = ConvertOutcome::Missing;
    return result;
  }

  Bitmap bitmap;
  try {
    bitmap = LoadBitmap(files, job.path);
  } catch (const LoadError& error) {
    result.outcome = ConvertOutcome::NotBitmap;
    result.loadFailure = error.kind();
    return result;
  }

  result.maskPath = MaskFileName(job.path, rules);
  // "x.APD" names itself as its mask; creating the mask would empty the
  // bitmap the user listed. Never replace an input.
  if (files.SameFile(job.path, result.maskPath)) {
    result.outcome = ConvertOutcome::WouldReplaceInput;
    return result;
  }

  // The writer closes the file on every way out: completed, stopped, error.
  MaskWriter mask(files.CreateMaskFile(result.maskPath), files.DisplayPath(result.maskPath));
  const ScanOutcome scan = ScanBitmap(bitmap, job.colour, mask, host, job.k, job.n);
  mask.Close();
  result.rectangles = mask.count();
  result.outcome =
      scan == ScanOutcome::Completed ? ConvertOutcome::Converted : ConvertOutcome::Stopped;
  return result;
}

std::optional<uint32_t> TransparentColourFromText(std::string_view text) {
  const int32_t value = ColorTextToValue(text, -1);
  if (value < 0) return std::nullopt;
  return static_cast<uint32_t>(value);
}

}  // namespace vm
