// Where the pixel data is found, and files cut short inside it.
#include <gtest/gtest.h>

#include "bmp_builder.h"
#include "bmp_test_support.h"

namespace vm::test {
namespace {

// A 2 x 2 picture, top row first.
const std::vector<uint32_t> kPicture = {0x00010203, 0x00040506, 0x00070809, 0x000A0B0C};

std::vector<uint8_t> WithOffset(int64_t dataOffset) {
  BmpFile f;
  f.width = 2;
  f.height = 2;
  f.pixels = StoreRows(2, 2, 24, kPicture);
  f.dataOffset = dataOffset;
  return BuildBmp(f);
}

TEST(BitmapPixelData, OffsetFieldWithGapIsFollowed) {
  EXPECT_EQ(AllPixels(Bitmap::Load(WithOffset(54 + 10))), kPicture);
}

TEST(BitmapPixelData, OffsetIntoTheHeadersMeansRightAfterTheTable) {
  for (uint32_t offset : {0u, 14u, 53u}) {
    std::vector<uint8_t> file = WithOffset(-1);
    file[10] = static_cast<uint8_t>(offset);  // the data offset field's low byte
    EXPECT_EQ(AllPixels(Bitmap::Load(file)), kPicture) << offset;
  }
  // 8 bits: an offset inside the colour table.
  BmpFile f;
  f.width = 2;
  f.height = 1;
  f.bitsPerPixel = 8;
  f.coloursUsed = 2;
  f.palette = {0x111111, 0x222222};
  f.pixels = {1, 0, 0, 0};
  std::vector<uint8_t> file = BuildBmp(f);
  file[10] = 58;  // the second entry
  EXPECT_EQ(AllPixels(Bitmap::Load(file)), (std::vector<uint32_t>{0x222222, 0x111111}));
}

TEST(BitmapPixelData, OffsetPastTheEndLoadsAllZeroPixels) {
  for (uint32_t offset : {1000u, 0xFFFFFFFFu}) {
    std::vector<uint8_t> file = WithOffset(-1);
    BmpBuilder patch;
    patch.bytes(file).PatchU32(10, offset);
    const Bitmap b = Bitmap::Load(patch.Take());
    EXPECT_EQ(AllPixels(b), std::vector<uint32_t>(4, 0)) << offset;
    ExpectMatcherAgreesForAllColours(b);
  }
}

// Missing bytes read as zero in stored form: a palette index 0, a black
// deeper pixel. Rows stored first are the ones a short file keeps.
TEST(BitmapPixelData, FileCutInsideItsPixelsLoadsWithZeroBytes) {
  struct Case { uint16_t bpp; bool topDown; };
  const std::vector<uint32_t> palette = {0x00ABCDEF, 0x00FFFFFF, 0x00000000, 0x00123456};
  for (const Case& c : {Case{24, false}, Case{24, true}, Case{32, false}, Case{16, true},
                        Case{8, false}, Case{8, true}, Case{4, false}, Case{1, true}}) {
    const int32_t width = 5, height = 3;
    std::vector<uint32_t> values;
    for (int i = 0; i < width * height; ++i)
      values.push_back(c.bpp == 1 ? 1 : c.bpp <= 8 ? 1 + i % 3 : 0x00102030 + i * 0x010101);
    BmpFile f;
    f.width = width;
    f.height = c.topDown ? -height : height;
    f.bitsPerPixel = c.bpp;
    if (c.bpp <= 8) f.palette.assign(palette.begin(), palette.begin() + (c.bpp == 1 ? 2 : 4));
    f.coloursUsed = static_cast<uint32_t>(f.palette.size());
    f.pixels = StoreRows(width, height, c.bpp, values, c.topDown);
    const std::vector<uint8_t> whole = BuildBmp(f);
    const Bitmap full = Bitmap::Load(whole);
    const size_t start = whole.size() - f.pixels.size();
    const uint32_t zeroColour = c.bpp <= 8 ? palette[0] : 0;
    for (size_t cut = start; cut < whole.size(); ++cut) {
      SCOPED_TRACE(std::to_string(c.bpp) + " bpp, cut at " + std::to_string(cut));
      const Bitmap b = Bitmap::Load({whole.begin(), whole.begin() + cut});
      ASSERT_EQ(b.Width(), width);
      ASSERT_EQ(b.Height(), height);
      const size_t stride = f.pixels.size() / height;
      for (int32_t y = 0; y < height; ++y) {
        const size_t storedRow = c.topDown ? y : height - 1 - y;
        for (int32_t x = 0; x < width; ++x) {
          // The last byte of the pixel, relative to the start of the data.
          const size_t end = storedRow * stride + (static_cast<size_t>(x + 1) * c.bpp + 7) / 8;
          const size_t first = storedRow * stride + static_cast<size_t>(x) * c.bpp / 8;
          const size_t held = cut - start;
          if (end <= held) {
            ASSERT_EQ(b.Pixel(x, y), full.Pixel(x, y)) << x << ", " << y;
          } else if (first >= held) {
            ASSERT_EQ(b.Pixel(x, y), zeroColour) << x << ", " << y;
          }
        }
      }
      ExpectMatcherAgreesForAllColours(b);
    }
  }
}

TEST(BitmapPixelData, PartlyPresentPixelKeepsItsBytes) {
  // 24 bits: blue and green present, red missing.
  const std::vector<uint8_t> whole = Bmp24(1, 1, {0x00332211});
  const Bitmap b = Bitmap::Load({whole.begin(), whole.begin() + 56});
  EXPECT_EQ(b.Pixel(0, 0), 0x00332200u);
  ExpectMatcherAgrees(b, 0x00332200);
}

TEST(BitmapPixelData, TopDownAndBottomUpGiveTheSamePixels) {
  std::vector<uint32_t> picture;
  for (int i = 0; i < 7 * 4; ++i) picture.push_back(static_cast<uint32_t>(i * 0x030507) & 0xFFFFFF);
  for (uint16_t bpp : {16, 24, 32}) {
    BmpFile up, down;
    up.width = down.width = 7;
    up.height = 4;
    down.height = -4;
    up.bitsPerPixel = down.bitsPerPixel = bpp;
    up.pixels = StoreRows(7, 4, bpp, picture, false);
    down.pixels = StoreRows(7, 4, bpp, picture, true);
    const Bitmap a = Bitmap::Load(BuildBmp(up)), b = Bitmap::Load(BuildBmp(down));
    EXPECT_EQ(AllPixels(a), AllPixels(b)) << bpp;
    if (bpp != 16) {
      EXPECT_EQ(AllPixels(a), picture);
    }
  }
}

}  // namespace
}  // namespace vm::test
