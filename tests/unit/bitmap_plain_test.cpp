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
  // Entries 1 and 3 share red, green and blue; reserved bytes differ.
  const std::vector<uint32_t> palette = {0x000000, 0xFF00FF, 0x00FF00, 0xFF00FF};
  const std::vector<uint32_t> indices = {1, 3, 0, 2, 3, 1};
  const Bitmap b = Bitmap::Load(Bmp8(3, 2, palette, indices));
  const PixelMatcher m = b.MatcherFor(0xFF00FF);
  std::vector<uint8_t> row(3);
  m.MatchRow(0, row.data());
  EXPECT_EQ(row, (std::vector<uint8_t>{1, 1, 0}));
  m.MatchRow(1, row.data());
  EXPECT_EQ(row, (std::vector<uint8_t>{0, 1, 1}));
  ExpectMatcherAgreesForAllColours(b);
}

TEST(BitmapPlain, EmptyFileIsEmptyImage) {
  const Bitmap b = Bitmap::Load({});
  EXPECT_EQ(b.Width(), 0);
  EXPECT_EQ(b.Height(), 0);
}

}  // namespace
}  // namespace vm::test
