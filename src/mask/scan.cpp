#include "mask/scan.h"

#include <cstddef>
#include <vector>

#include "mask/progress.h"
#include "mask/span_finder.h"

namespace vm {
namespace {

// The pixel-by-pixel walk of one row, for a host that must be consulted
// after every pixel: the stop flag, then the host's pending messages.
// Returns false when the stop flag was seen; a span still open then is
// not written.
bool ScanRowPixelByPixel(const uint8_t* matches, int32_t width, int32_t y, MaskWriter& mask,
                         ScanHost& host) {
  int32_t spanStart = -1;  // spans never continue into the next row
  for (int32_t x = 0; x < width; ++x) {
    if (matches[x] != 0) {
      if (spanStart == -1) spanStart = x;
      if (x == width - 1) mask.Append(MaskRect{spanStart, y, x + 1, y + 1});
    } else if (spanStart != -1) {
      mask.Append(MaskRect{spanStart, y, x, y + 1});
      spanStart = -1;
    }
    if (host.StopRequested()) return false;
    host.ProcessPendingMessages();
  }
  return true;
}

// The same row at full speed, for a host that nothing can interrupt during
// the row: the same spans, in the same order.
void ScanRowQuietly(const uint8_t* matches, int32_t width, int32_t y, MaskWriter& mask) {
  ForEachSpan(matches, static_cast<std::size_t>(width), [&](std::size_t left, std::size_t right) {
    mask.Append(MaskRect{static_cast<int32_t>(left), y, static_cast<int32_t>(right), y + 1});
  });
}

}  // namespace

ScanOutcome ScanBitmap(const Bitmap& bitmap, uint32_t colour, MaskWriter& mask, ScanHost& host,
                       int k, int n) {
  const int32_t width = bitmap.Width();
  const int32_t height = bitmap.Height();
  if (height <= 0) return ScanOutcome::Completed;

  const PixelMatcher matcher = bitmap.MatcherFor(colour);
  std::vector<uint8_t> matches(static_cast<std::size_t>(width), 0);
  for (int32_t y = 0; y < height; ++y) {
    if (width > 0) matcher.MatchRow(y, matches.data());
    if (host.QuietPixels() >= static_cast<std::size_t>(width)) {
      ScanRowQuietly(matches.data(), width, y, mask);
    } else if (!ScanRowPixelByPixel(matches.data(), width, y, mask, host)) {
      return ScanOutcome::Stopped;
    }
    host.ShowProgress(ProgressPosition(y, height, k, n));
    host.ProcessPendingMessages();
  }
  return ScanOutcome::Completed;
}

}  // namespace vm
