// Plain (uncompressed) 24-, 32- and 8-bit files: colours, row order, and
// rows matched in stored form.
#include <gtest/gtest.h>

#include "bmp_builder.h"
#include "bmp_test_support.h"

namespace vm::test {
namespace {

const std::vector<uint32_t> kColours = {0x00112233, 0x00FF00FF, 0x00000000,  // top row
                                        0x00FFFFFF, 0x00FF00FE, 0x00010203};

TEST(BitmapPlain, TwentyFourBitColoursEitherRowOrder) {
  for (bool topDown : {false, true}) {
    const Bitmap b = Bitmap::Load(Bmp24(3, 2, kColours, topDown));
    ASSERT_EQ(b.Width(), 3);
    ASSERT_EQ(b.Height(), 2);
    EXPECT_EQ(AllPixels(b), kColours) << "topDown " << topDown;
    ExpectMatcherAgreesForAllColours(b);
  }
}

TEST(BitmapPlain, ThirtyTwoBitIgnoresFourthByte) {
  for (uint8_t fourth : {0x00, 0x7F, 0xFF}) {
    BmpFile f;
    f.width = 3;
    f.height = 2;
    f.bitsPerPixel = 32;
    f.pixels = StoreRows(3, 2, 32, kColours, false, fourth);
    const Bitmap b = Bitmap::Load(BuildBmp(f));
    EXPECT_EQ(AllPixels(b), kColours) << "fourth byte " << int{fourth};
    ExpectMatcherAgreesForAllColours(b);
  }
}

TEST(BitmapPlain, EightBitDuplicatePaletteEntriesMatchAlike) {
  // Entries 1 and 3 share red, green and blue; their reserved bytes differ.
  const std::vector<uint8_t> file = BmpBuilder()
                                        .ascii("BM")  // signature
                                        .u32(78)      // file size
                                        .u32(0)       // reserved
                                        .u32(70)      // pixel data offset
                                        .u32(40)      // header size
                                        .i32(3)       // width
                                        .i32(2)       // height: bottom row first
                                        .u16(1)       // planes
                                        .u16(8)       // bits per pixel
                                        .u32(0)       // no compression
                                        .u32(8)       // image size
                                        .i32(0)       // horizontal resolution
                                        .i32(0)       // vertical resolution
                                        .u32(4)       // colours used
                                        .u32(0)       // colours important
                                        .bytes({0x00, 0x00, 0x00, 0x00})  // entry 0: black
                                        .bytes({0xFF, 0x00, 0xFF, 0x00})  // entry 1: magenta
                                        .bytes({0x00, 0xFF, 0x00, 0x00})  // entry 2: green
                                        .bytes({0xFF, 0x00, 0xFF, 0x7F})  // entry 3: magenta, reserved 0x7F
                                        .bytes({3, 1, 2, 0})  // bottom row: 3 1 2, padding
                                        .bytes({1, 3, 0, 0})  // top row: 1 3 0, padding
                                        .Take();
  const Bitmap b = Bitmap::Load(file);
  EXPECT_EQ(AllPixels(b), (std::vector<uint32_t>{0xFF00FF, 0xFF00FF, 0, 0xFF00FF, 0xFF00FF, 0x00FF00}));
  const PixelMatcher m = b.MatcherFor(0xFF00FF);
  std::vector<uint8_t> row(3);
  m.MatchRow(0, row.data());
  EXPECT_EQ(row, (std::vector<uint8_t>{1, 1, 0}));
  m.MatchRow(1, row.data());
  EXPECT_EQ(row, (std::vector<uint8_t>{1, 1, 0}));
  ExpectMatcherAgreesForAllColours(b);
}

TEST(BitmapPlain, ColourWithHighBitsNeverMatches) {
  // Pixel colours never have bits 24-31 set, whatever the stored bytes.
  BmpFile f;
  f.width = 2;
  f.bitsPerPixel = 32;
  f.pixels = {0xFF, 0x00, 0xFF, 0x01, 0xFF, 0x00, 0xFF, 0xFF};
  const Bitmap b = Bitmap::Load(BuildBmp(f));
  EXPECT_EQ(b.Pixel(0, 0), 0xFF00FFu);
  EXPECT_EQ(b.Pixel(1, 0), 0xFF00FFu);
  std::vector<uint8_t> row(2, 9);
  b.MatcherFor(0x01FF00FF).MatchRow(0, row.data());
  EXPECT_EQ(row, (std::vector<uint8_t>{0, 0}));
}

TEST(BitmapPlain, EmptyFileIsEmptyImage) {
  const Bitmap b = Bitmap::Load({});
  EXPECT_EQ(b.Width(), 0);
  EXPECT_EQ(b.Height(), 0);
}

}  // namespace
}  // namespace vm::test
