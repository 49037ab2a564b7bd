// Fuzz target for the BMP loader: any input either loads or is rejected with
// a LoadError; a loaded image answers Pixel() for its pixels and MatchRow()
// agrees with Pixel() == colour.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "mask/bitmap.h"
#include "mask/bmp_header.h"
#include "mask/errors.h"

namespace {

// Keeps each run quick: rows are matched in full only for images up to
// this many pixels (each row counting 16 more, for its fixed costs)...
constexpr uint64_t kMaxMatchedPixels = uint64_t{1} << 16;
constexpr uint64_t kRowCost = 16;
// ...and run-length files decode to at most this many bytes.
constexpr uint64_t kMaxDecodedBytes = uint64_t{1} << 22;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool DecodesTooMuch(const uint8_t* data, size_t size) {
  try {
    const vm::bmp::Layout l = vm::bmp::ParseHeaders(data, size);
    return l.encoding != vm::bmp::Encoding::Plain && l.stride * l.height > kMaxDecodedBytes;
  } catch (const vm::LoadError&) {
    return false;  // Load will reject it the same way
  }
}

// Matches one row and checks a sample of its pixels against Pixel().
void CheckRow(const vm::Bitmap& b, const vm::PixelMatcher& m, uint32_t colour, int32_t y,
              std::vector<uint8_t>& row) {
  const int32_t w = b.Width();
  row.assign(static_cast<size_t>(w) + 1, 0xA5);
  m.MatchRow(y, row.data());
  Require(row[static_cast<size_t>(w)] == 0xA5);  // nothing written past the row
  const int32_t step = w / 64 + 1;
  for (int32_t x = 0; x < w; x += step) {
    Require(row[static_cast<size_t>(x)] == (b.Pixel(x, y) == colour ? 1 : 0));
  }
  if (w > 0) Require(row[static_cast<size_t>(w - 1)] == (b.Pixel(w - 1, y) == colour ? 1 : 0));
}

void Exercise(const vm::Bitmap& b) {
  const int32_t w = b.Width(), h = b.Height();
  Require(w >= 0 && h >= 0);
  if (h == 0) return;
  const uint64_t cost = (uint64_t(w) + kRowCost) * uint64_t(h);
  const bool allRows = cost <= kMaxMatchedPixels;
  if (!allRows && uint64_t(w) > kMaxMatchedPixels) return;
  const uint32_t colours[] = {w > 0 ? b.Pixel(0, 0) : 0, w > 0 ? b.Pixel(w - 1, h - 1) : 1, 0};
  std::vector<uint8_t> row;
  for (uint32_t colour : colours) {
    Require(colour <= 0xFFFFFF);
    const vm::PixelMatcher m = b.MatcherFor(colour);
    if (allRows) {
      for (int32_t y = 0; y < h; ++y) CheckRow(b, m, colour, y, row);
    } else {
      CheckRow(b, m, colour, 0, row);
      CheckRow(b, m, colour, h - 1, row);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (DecodesTooMuch(data, size)) return 0;
  try {
    Exercise(vm::Bitmap::Load(std::vector<uint8_t>(data, data + size)));
  } catch (const vm::LoadError&) {
    // rejected: fine
  }
  return 0;
}
