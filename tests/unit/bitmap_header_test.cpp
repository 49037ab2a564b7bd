// Files that end early, carry impossible fields, or claim more image than a
// 32-bit process could hold.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "bmp_builder.h"
#include "bmp_test_support.h"

namespace vm::test {
namespace {

std::vector<uint8_t> Plain24(int32_t width, int32_t height) {
  BmpFile f;
  f.width = width;
  f.height = height;
  f.bitsPerPixel = 24;
  return BuildBmp(f);  // no pixel data at all: every pixel is missing
}

TEST(BitmapHeader, ShortFilesAndSignature) {
  for (size_t size = 1; size <= 13; ++size) {
    std::vector<uint8_t> file = Bmp24(1, 1, {0});
    file.resize(size);
    EXPECT_EQ(FailureOf(file), LoadFailure::TooShort) << size << " bytes";
  }
  for (const char* signature : {"MB", "BA", "bm", "\0\0"}) {
    std::vector<uint8_t> file = Bmp24(1, 1, {0});
    file[0] = static_cast<uint8_t>(signature[0]);
    file[1] = static_cast<uint8_t>(signature[1]);
    EXPECT_EQ(FailureOf(file), LoadFailure::NotBmp) << signature;
  }
}

TEST(BitmapHeader, FileEndingInsideItsHeaderIsRejected) {
  for (uint32_t headerSize : {12u, 40u, 108u, 124u}) {
    BmpFile f;
    f.headerSize = headerSize;
    f.bitsPerPixel = 24;
    f.pixels = {1, 2, 3, 0};
    const std::vector<uint8_t> whole = BuildBmp(f);
    // 14 to 17 bytes: the header size itself is cut; beyond: the header.
    for (size_t size = 14; size < 14 + headerSize; ++size) {
      const std::vector<uint8_t> cut(whole.begin(), whole.begin() + size);
      EXPECT_EQ(FailureOf(cut), LoadFailure::BadHeader) << headerSize << " cut at " << size;
    }
  }
}

TEST(BitmapHeader, OtherHeaderSizesAreUnsupported) {
  for (uint32_t headerSize : {0u, 11u, 16u, 52u, 56u, 64u, 125u, 0xFFFFFFFFu}) {
    const std::vector<uint8_t> file = BmpBuilder()
                                          .ascii("BM")      // signature
                                          .u32(200)         // file size
                                          .u32(0)           // reserved
                                          .u32(200)         // pixel data offset
                                          .u32(headerSize)  // header size
                                          .zeros(180)       // the rest of the file
                                          .Take();
    EXPECT_EQ(FailureOf(file), LoadFailure::Unsupported) << headerSize;
  }
}

TEST(BitmapHeader, PlanesMustBeOne) {
  for (uint32_t headerSize : {12u, 40u, 124u}) {
    for (uint16_t planes : {0, 2, 0xFFFF}) {
      BmpFile f;
      f.headerSize = headerSize;
      f.planes = planes;
      f.pixels = {1, 2, 3, 0};
      EXPECT_EQ(FailureOf(BuildBmp(f)), LoadFailure::BadHeader)
          << headerSize << " planes " << planes;
    }
  }
}

TEST(BitmapHeader, NegativeWidthIsBadHeader) {
  for (int32_t width : {-1, -100, std::numeric_limits<int32_t>::min()})
    EXPECT_EQ(FailureOf(Plain24(width, 1)), LoadFailure::BadHeader) << width;
}

TEST(BitmapHeader, ZeroWidthOrHeightLoads) {
  struct Case { int32_t width, height; int32_t loadedHeight; };
  for (const Case& c : {Case{0, 5, 5}, Case{0, -5, 5}, Case{7, 0, 0}, Case{0, 0, 0}}) {
    const Bitmap b = Bitmap::Load(Plain24(c.width, c.height));
    EXPECT_EQ(b.Width(), c.width);
    EXPECT_EQ(b.Height(), c.loadedHeight);
    std::vector<uint8_t> none;
    for (int32_t y = 0; y < b.Height(); ++y) b.MatcherFor(0).MatchRow(y, none.data());
  }
}

// Image storage is counted at the file's own depth with rows padded to 4
// bytes and never less than 4 bytes a row; 1 GiB is the most a 32-bit
// process could hold. Such files are refused from their header alone.
TEST(BitmapHeader, HugeDimensionsInSmallFiles) {
  struct Case { int32_t width, height; uint16_t bpp; bool loads; };
  const Case cases[] = {
      {0x7FFFFFFF, 0x7FFFFFFF, 24, false},
      {0x7FFFFFFF, 1, 32, false},               // one row of 8 GiB
      {0x7FFFFFFF, 1, 1, true},                 // one row of 256 MiB
      {0x7FFFFFFF, 0, 32, true},                // no rows: nothing to store
      {1, std::numeric_limits<int32_t>::min(), 24, false},
      {0, 0x7FFFFFFF, 24, false},               // 0-wide rows still count 4 bytes
      {0, 1 << 28, 24, true},                   // exactly 1 GiB
      {0, (1 << 28) + 1, 24, false},
      {1 << 13, 1 << 15, 32, true},             // 8192 * 4 bytes * 32768 rows = 1 GiB
      {1 << 13, (1 << 15) + 1, 32, false},
      {1 << 13, -((1 << 15) + 1), 32, false},   // top-down counts the same
      {(1 << 13) + 1, 1 << 15, 32, false},
  };
  for (const Case& c : cases) {
    BmpFile f;
    f.width = c.width;
    f.height = c.height;
    f.bitsPerPixel = c.bpp;
    if (c.bpp == 1) f.palette = {0x000000, 0xFFFFFF};
    f.pixels = {0xFF, 0xFF, 0xFF, 0xFF};
    const std::vector<uint8_t> file = BuildBmp(f);
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    if (!c.loads) {
      EXPECT_EQ(FailureOf(file), LoadFailure::TooLarge);
      continue;
    }
    const Bitmap b = Bitmap::Load(file);
    EXPECT_EQ(b.Width(), c.width);
    EXPECT_EQ(b.Height(), c.height < 0 ? -c.height : c.height);
  }
}

TEST(BitmapHeader, FileEndingInsideMasksOrTableIsTruncated) {
  BmpFile bitFields;
  bitFields.bitsPerPixel = 16;
  bitFields.compression = kBiBitFields;
  bitFields.masks = {0xF800, 0x07E0, 0x001F};
  const std::vector<uint8_t> withMasks = BuildBmp(bitFields);  // masks end at 66
  for (size_t size = 54; size < 66; ++size)
    EXPECT_EQ(FailureOf({withMasks.begin(), withMasks.begin() + size}), LoadFailure::Truncated)
        << "masks cut at " << size;

  for (uint32_t headerSize : {12u, 40u}) {
    BmpFile indexed;
    indexed.headerSize = headerSize;
    indexed.bitsPerPixel = 4;
    indexed.palette.assign(16, 0x123456);
    const std::vector<uint8_t> withTable = BuildBmp(indexed);
    const size_t tableStart = 14 + headerSize;
    for (size_t size = tableStart; size < withTable.size(); ++size)
      EXPECT_EQ(FailureOf({withTable.begin(), withTable.begin() + size}), LoadFailure::Truncated)
          << "header " << headerSize << ", table cut at " << size;
  }
}

TEST(BitmapHeader, ColoursUsedBeyondTheFileIsTruncated) {
  for (uint16_t bpp : {1, 8, 24, 32}) {
    for (uint32_t used : {3u, 300u, 0x40000000u, 0xFFFFFFFFu}) {
      BmpFile f;
      f.bitsPerPixel = bpp;
      f.coloursUsed = used;
      f.palette = {0x000000, 0xFFFFFF};  // two entries stand, `used` are claimed
      EXPECT_EQ(FailureOf(BuildBmp(f)), LoadFailure::Truncated) << bpp << " bpp, " << used;
    }
  }
}

}  // namespace
}  // namespace vm::test
