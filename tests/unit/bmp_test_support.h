#pragma once
// Checks shared by the loader tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "mask/bitmap.h"
#include "mask/errors.h"

namespace vm::test {

// The colours of every pixel, top row first.
inline std::vector<uint32_t> AllPixels(const Bitmap& b) {
  std::vector<uint32_t> out;
  for (int32_t y = 0; y < b.Height(); ++y)
    for (int32_t x = 0; x < b.Width(); ++x) out.push_back(b.Pixel(x, y));
  return out;
}

// MatchRow agrees with Pixel() == colour for every pixel of the image.
inline void ExpectMatcherAgrees(const Bitmap& b, uint32_t colour) {
  const PixelMatcher matcher = b.MatcherFor(colour);
  std::vector<uint8_t> row(static_cast<size_t>(b.Width()) + 1, 0xAA);
  for (int32_t y = 0; y < b.Height(); ++y) {
    matcher.MatchRow(y, row.data());
    for (int32_t x = 0; x < b.Width(); ++x)
      ASSERT_EQ(row[x], b.Pixel(x, y) == colour ? 1 : 0)
          << "pixel (" << x << ", " << y << ") colour " << std::hex << colour;
    ASSERT_EQ(row[b.Width()], 0xAA) << "MatchRow wrote past the row";
  }
}

// The distinct colours of the image (up to 24 of them, spread over the
// image), and two more.
inline void ExpectMatcherAgreesForAllColours(const Bitmap& b) {
  const std::vector<uint32_t> all = AllPixels(b);
  std::vector<uint32_t> colours;
  const size_t step = all.size() / 24 + 1;
  for (size_t i = 0; i < all.size(); i += step) colours.push_back(all[i]);
  colours.push_back(0x00123457);
  colours.push_back(0);
  std::sort(colours.begin(), colours.end());
  colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
  for (uint32_t c : colours) ExpectMatcherAgrees(b, c);
}

inline LoadFailure FailureOf(std::vector<uint8_t> file) {
  try {
    Bitmap::Load(std::move(file));
  } catch (const LoadError& e) {
    return e.kind();
  }
  ADD_FAILURE() << "the file loaded";
  return LoadFailure::ReadFailed;
}

}  // namespace vm::test
